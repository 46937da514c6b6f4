#include "ModuleCatalogue.h"

#include <QJsonValue>
#include <stdexcept>

namespace DevServer {

namespace {

QJsonObject roi(const QString& name) {
    // A polygon in frame-relative coordinates (0..1); the default covers the whole frame.
    const QJsonArray whole{QJsonObject{{"x", 0.0}, {"y", 0.0}}, QJsonObject{{"x", 1.0}, {"y", 0.0}},
                           QJsonObject{{"x", 1.0}, {"y", 1.0}}, QJsonObject{{"x", 0.0}, {"y", 1.0}}};
    return QJsonObject{{"name", name}, {"type", "roi"}, {"title", "Region of interest"}, {"value", whole}};
}

QJsonObject checkBox(const QString& name, const QString& title, bool value) {
    return QJsonObject{{"name", name}, {"type", "check_box"}, {"title", title}, {"value", value}};
}

QJsonObject interval(const QString& name, const QString& title, double min, double max, double step,
                     double value) {
    return QJsonObject{{"name", name}, {"type", "interval"}, {"title", title}, {"min", min},
                       {"max", max},   {"step", step},       {"value", value}};
}

QJsonObject valueField(const QString& name, const QString& title, const QJsonValue& value) {
    return QJsonObject{{"name", name}, {"type", "value_field"}, {"title", title}, {"value", value}};
}

QJsonObject list(const QString& name, const QString& title, const QStringList& available,
                 const QStringList& selected) {
    return QJsonObject{{"name", name},
                       {"type", "list"},
                       {"title", title},
                       {"available", QJsonArray::fromStringList(available)},
                       {"value", QJsonArray::fromStringList(selected)}};
}

QJsonObject makeModule(const QString& name, const QString& title, const QString& description,
                       const QJsonArray& params) {
    return QJsonObject{
        {"plugin_name", name}, {"title", title}, {"description", description}, {"params", params}};
}

const QStringList objectClasses{"person",     "car", "truck", "bus", "bicycle",
                                "motorcycle", "dog", "cat",   "bag"};

} // namespace

ModuleCatalogue::ModuleCatalogue() {
    _modules = QJsonArray{
        makeModule("motionsDetection", "Motion detection",
                   "Motion detection is the process of detecting a change in the position of an object",
                   {roi("roi"), interval("sensitivity", "Sensitivity", 1, 100, 1, 50),
                    interval("minArea", "Minimal object area, %", 0, 100, 0.5, 0.5),
                    checkBox("showMask", "Show motion mask", false)}),
        makeModule("objectsDetection", "Objects detection",
                   "Finds people, vehicles and animals in the picture and marks them with boxes",
                   {roi("roi"), interval("threshold", "Confidence threshold", 0.05, 1, 0.05, 0.5),
                    list("classes", "Objects to detect", objectClasses, {"person", "car"}),
                    checkBox("recordEvents", "Record events", true)}),
        makeModule("licensePlateRecognitionLight", "License plate recognition (Light)",
                   "Reads the licence plates of passing vehicles",
                   {roi("roi"), valueField("region", "Plate region", "eu"),
                    interval("minPlateWidth", "Minimal plate width, px", 20, 400, 10, 80),
                    checkBox("recordEvents", "Record events", true)}),
        makeModule("faceDetection", "Face detection (Light)", "Finds human faces in the picture",
                   {roi("roi"), interval("threshold", "Confidence threshold", 0.05, 1, 0.05, 0.6),
                    interval("minFaceSize", "Minimal face size, px", 16, 512, 8, 48)}),
        makeModule("faceRecognitionLight", "Face recognition (Light)",
                   "Compares detected faces with the faces of known people",
                   {roi("roi"), interval("similarity", "Similarity threshold", 0.1, 1, 0.05, 0.7),
                    valueField("faceBase", "Face base name", "default"),
                    checkBox("notifyUnknown", "Notify about unknown faces", false)}),
        makeModule("dummyDetectionOfAbandonedObjects", "Abandoned objects",
                   "Raises an event when an object stays unattended longer than the given time",
                   {roi("roi"), valueField("maxSeconds", "Time before alarm, s", 60),
                    list("classes", "Objects to watch", {"bag", "suitcase", "box", "backpack"}, {"bag"})}),
        makeModule("dummyQueueLength", "Queue length",
                   "Counts the people standing in a queue and warns when it grows too long",
                   {roi("roi"), interval("maxLength", "Alarm at queue length", 1, 50, 1, 10)}),
        makeModule("dummyPeopleCounter", "People counter", "Counts the people crossing a line",
                   {roi("roi"), checkBox("countBothDirections", "Count both directions", true),
                    valueField("resetTime", "Daily reset time", "00:00")}),
        makeModule("dummyFireFlameAndSmokeDetection", "Fire, flame and smoke",
                   "Detects open flame and smoke in the picture",
                   {roi("roi"), interval("sensitivity", "Sensitivity", 1, 100, 1, 70),
                    checkBox("detectSmoke", "Detect smoke", true)}),
    };
}

QStringList ModuleCatalogue::moduleNames() const {
    QStringList names;
    for (const QJsonValue& module : _modules) {
        names.append(module.toObject().value("plugin_name").toString());
    }
    return names;
}

bool ModuleCatalogue::contains(const QString& pluginName) const {
    return !module(pluginName).isEmpty();
}

QJsonObject ModuleCatalogue::module(const QString& pluginName) const {
    for (const QJsonValue& module : _modules) {
        if (module.toObject().value("plugin_name").toString() == pluginName) {
            return module.toObject();
        }
    }
    return {};
}

QJsonArray ModuleCatalogue::paramsWithValues(const QString& pluginName,
                                             const QJsonObject& storedValues) const {
    QJsonArray result;
    for (const QJsonValue& value : module(pluginName).value("params").toArray()) {
        QJsonObject param = value.toObject();
        const QString name = param.value("name").toString();
        if (storedValues.contains(name)) {
            param.insert("value", storedValues.value(name));
        }
        result.append(param);
    }
    return result;
}

namespace {

void fail(const QString& pluginName, const QString& name, const QString& why) {
    throw std::runtime_error(
        QStringLiteral("Bad parameter '%1' of module '%2': %3").arg(name, pluginName, why).toStdString());
}

void checkValue(const QString& pluginName, const QJsonObject& param, const QJsonValue& value) {
    const QString type = param.value("type").toString();
    const QString name = param.value("name").toString();
    if (type == QLatin1String("check_box")) {
        if (!value.isBool()) {
            fail(pluginName, name, QStringLiteral("a true/false value is expected"));
        }
    } else if (type == QLatin1String("interval")) {
        if (!value.isDouble()) {
            fail(pluginName, name, QStringLiteral("a number is expected"));
        }
        const double min = param.value("min").toDouble();
        const double max = param.value("max").toDouble();
        if (value.toDouble() < min || value.toDouble() > max) {
            fail(pluginName, name, QStringLiteral("the value must lie between %1 and %2").arg(min).arg(max));
        }
    } else if (type == QLatin1String("value_field")) {
        if (!value.isString() && !value.isDouble()) {
            fail(pluginName, name, QStringLiteral("a text or a number is expected"));
        }
    } else if (type == QLatin1String("list")) {
        if (!value.isArray()) {
            fail(pluginName, name, QStringLiteral("a list is expected"));
        }
        const QJsonArray available = param.value("available").toArray();
        for (const QJsonValue& item : value.toArray()) {
            if (!item.isString() || !available.contains(item)) {
                fail(pluginName, name,
                     QStringLiteral("'%1' is not one of the available items").arg(item.toString()));
            }
        }
    } else if (type == QLatin1String("roi")) {
        if (!value.isArray() || value.toArray().size() < 3) {
            fail(pluginName, name, QStringLiteral("a polygon of at least three points is expected"));
        }
        for (const QJsonValue& point : value.toArray()) {
            const QJsonValue x = point.toObject().value("x");
            const QJsonValue y = point.toObject().value("y");
            if (!x.isDouble() || !y.isDouble() || x.toDouble() < 0 || x.toDouble() > 1 || y.toDouble() < 0 ||
                y.toDouble() > 1) {
                fail(pluginName, name, QStringLiteral("points need \"x\" and \"y\" between 0 and 1"));
            }
        }
    }
}

} // namespace

QJsonObject ModuleCatalogue::validateParams(const QString& pluginName, const QJsonValue& params) const {
    const QJsonObject moduleObject = module(pluginName);
    if (moduleObject.isEmpty()) {
        throw std::runtime_error(QStringLiteral("Unknown module '%1'").arg(pluginName).toStdString());
    }
    QJsonObject given;
    if (params.isArray()) {
        for (const QJsonValue& item : params.toArray()) {
            const QJsonObject object = item.toObject();
            if (!object.value("name").isString()) {
                throw std::runtime_error(QStringLiteral("Parameters of module '%1' need a \"name\"")
                                             .arg(pluginName)
                                             .toStdString());
            }
            given.insert(object.value("name").toString(), object.value("value"));
        }
    } else if (params.isObject()) {
        given = params.toObject();
    } else {
        throw std::runtime_error(QStringLiteral("\"params\" of module '%1' must be a list or an object")
                                     .arg(pluginName)
                                     .toStdString());
    }
    const QJsonArray known = moduleObject.value("params").toArray();
    for (auto it = given.constBegin(); it != given.constEnd(); ++it) {
        QJsonObject param;
        for (const QJsonValue& candidate : known) {
            if (candidate.toObject().value("name").toString() == it.key()) {
                param = candidate.toObject();
            }
        }
        if (param.isEmpty()) {
            fail(pluginName, it.key(), QStringLiteral("the module has no such parameter"));
        }
        checkValue(pluginName, param, it.value());
    }
    return given;
}

} // namespace DevServer
