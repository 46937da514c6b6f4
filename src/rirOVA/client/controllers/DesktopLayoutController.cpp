#include "DesktopLayoutController.h"

#include "rirOVA/model/DesktopLayoutModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <algorithm>
#include <spdlog/spdlog.h>

namespace ClientController {

namespace {

QJsonArray parsedTiles(const QJsonValue& tiles) {
    if (tiles.isArray()) {
        return tiles.toArray();
    }
    return QJsonDocument::fromJson(tiles.toString().toUtf8()).array();
}

void logWarning(const QString& text) {
    if (auto log = spdlog::get("main")) {
        log->warn("{}", text.toStdString());
    }
}

} // namespace

DesktopLayoutController::DesktopLayoutController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("desktopLayout"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::DesktopLayoutModel()); },
        false, "desktopLayoutMessage");
    setUseTrGetList(true);
    setIgnoreSrInserted(false);
    setIgnoreSrUpdated(false);
}

DesktopLayoutController::~DesktopLayoutController() = default;

void DesktopLayoutController::setCacheFile(const QString& path) {
    if (path == _cacheFile) {
        return;
    }
    _cacheFile = path;
    Q_EMIT cacheFileChanged();
    readCache();
}

void DesktopLayoutController::refresh() {
    trGetList(QJsonObject(), true);
}

int DesktopLayoutController::indexOfName(const QString& name) const {
    const QString wanted = name.trimmed();
    for (int i = 0; i < _layouts.size(); ++i) {
        if (_layouts[i].toMap().value(QStringLiteral("name")).toString() == wanted) {
            return i;
        }
    }
    return -1;
}

int DesktopLayoutController::indexOfId(const QString& id) const {
    for (int i = 0; i < _layouts.size(); ++i) {
        if (_layouts[i].toMap().value(QStringLiteral("id")).toString() == id) {
            return i;
        }
    }
    return -1;
}

bool DesktopLayoutController::saveLayout(const QString& name, const QString& gridSize,
                                         const QVariantList& tiles) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || gridSize.isEmpty()) {
        return false;
    }
    const QString tilesText =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromVariantList(tiles)).toJson(QJsonDocument::Compact));
    const int index = indexOfName(trimmed);
    if (index >= 0) {
        const QVariantMap existing = _layouts[index].toMap();
        trUpdate(QJsonObject{{"id", existing.value(QStringLiteral("id")).toLongLong()},
                             {"gridSize", gridSize},
                             {"tiles", tilesText}});
        return true;
    }
    int position = 0;
    for (const QVariant& layout : _layouts) {
        position = std::max(position, layout.toMap().value(QStringLiteral("position")).toInt() + 1);
    }
    trCreate(
        QJsonObject{{"name", trimmed}, {"gridSize", gridSize}, {"tiles", tilesText}, {"position", position}});
    return true;
}

bool DesktopLayoutController::renameLayout(const QString& id, const QString& name) {
    if (name.trimmed().isEmpty() || indexOfId(id) < 0) {
        return false;
    }
    trUpdate(QJsonObject{{"id", id.toLongLong()}, {"name", name.trimmed()}});
    return true;
}

void DesktopLayoutController::removeLayout(const QString& id) {
    trRemove(QJsonObject{{"id", id.toLongLong()}});
}

bool DesktopLayoutController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    const QJsonObject& params = mapParams->params;
    // The lists are a handful of rows: every change of any of them is answered by a fresh list,
    // which also drops removed layouts.
    if (actionName == QLatin1String("srInserted") || actionName == QLatin1String("srUpdated")) {
        refresh();
        return true;
    }
    const bool change = actionName == QLatin1String("saCreate") || actionName == QLatin1String("saUpdate") ||
                        actionName == QLatin1String("saRemove");
    if (change && isAddressedToMe(mapParams)) {
        if (params.value(QStringLiteral("RES")).toBool(true)) {
            refresh();
        } else {
            Q_EMIT layoutActionFailed(actionName.mid(2), params.value(QStringLiteral("error")).toString());
        }
    }
    return FeatureListController::handleMessage(actionName, mapParams);
}

void DesktopLayoutController::processSaGetList(const SpDto& mapParams) {
    FeatureListController::processSaGetList(mapParams);
    const QJsonObject& params = mapParams->params;
    if (!isAddressedToMe(mapParams) || !params.value(QStringLiteral("RES")).toBool(true)) {
        return;
    }
    const QJsonArray records = params.value(QStringLiteral("entries")).toArray();
    setLayouts(records, false);
    writeCache(records);
}

void DesktopLayoutController::setLayouts(const QJsonArray& records, bool fromCache) {
    QVariantList layouts;
    for (const QJsonValue& value : records) {
        const QJsonObject record = value.toObject();
        if (record.value(QStringLiteral("id")).toVariant().toLongLong() <= 1) {
            continue;
        }
        QVariantMap layout;
        layout.insert(QStringLiteral("id"), record.value(QStringLiteral("id")).toVariant().toString());
        layout.insert(QStringLiteral("name"), record.value(QStringLiteral("name")).toString());
        layout.insert(QStringLiteral("gridSize"), record.value(QStringLiteral("gridSize")).toString());
        layout.insert(QStringLiteral("position"), record.value(QStringLiteral("position")).toInt());
        layout.insert(QStringLiteral("tiles"),
                      parsedTiles(record.value(QStringLiteral("tiles"))).toVariantList());
        layouts.append(layout);
    }
    std::stable_sort(layouts.begin(), layouts.end(), [](const QVariant& a, const QVariant& b) {
        return a.toMap().value(QStringLiteral("position")).toInt() <
               b.toMap().value(QStringLiteral("position")).toInt();
    });
    _layouts = layouts;
    _fromCache = fromCache;
    Q_EMIT layoutsChanged();
}

void DesktopLayoutController::writeCache(const QJsonArray& records) const {
    if (_cacheFile.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(_cacheFile).absolutePath());
    QSaveFile file(_cacheFile);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"layouts", records}}).toJson(QJsonDocument::Compact)) < 0 ||
        !file.commit()) {
        logWarning(QStringLiteral("Layout cache '%1' not written: %2").arg(_cacheFile, file.errorString()));
    }
}

// A new cache file means another user or server: its layouts replace the list until the server
// answers.
void DesktopLayoutController::readCache() {
    QFile file(_cacheFile);
    if (_cacheFile.isEmpty() || !file.exists()) {
        setLayouts(QJsonArray(), true);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        logWarning(QStringLiteral("Layout cache '%1' not readable: %2").arg(_cacheFile, file.errorString()));
        return;
    }
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        logWarning(QStringLiteral("Layout cache '%1' ignored: %2").arg(_cacheFile, error.errorString()));
        return;
    }
    setLayouts(doc.object().value(QStringLiteral("layouts")).toArray(), true);
}

} // namespace ClientController
