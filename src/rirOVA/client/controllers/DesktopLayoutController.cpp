#include "DesktopLayoutController.h"

#include "kvoClientController/controller/SessionGate.h"
#include "rirOVA/model/DesktopLayoutModel.h"

#include <QDateTime>
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

bool isLocalId(const QString& id) {
    return id.startsWith(QLatin1String("new-"));
}

// A layout of the list from a record or from the fields of an edit.
void putFields(QVariantMap& layout, const QJsonObject& record) {
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (it.key() == QLatin1String("tiles")) {
            layout.insert(it.key(), parsedTiles(it.value()).toVariantList());
        } else if (it.key() == QLatin1String("id")) {
            layout.insert(it.key(), it.value().toVariant().toString());
        } else if (it.key() == QLatin1String("name") || it.key() == QLatin1String("gridSize")) {
            layout.insert(it.key(), it.value().toString());
        } else if (it.key() == QLatin1String("position")) {
            layout.insert(it.key(), it.value().toInt());
        } else if (it.key() == QLatin1String("lastShown")) {
            layout.insert(it.key(), it.value().toVariant().toLongLong());
        }
    }
}

QVariantMap layoutOf(const QJsonObject& record) {
    QVariantMap layout{{QStringLiteral("tiles"), QVariantList()}, {QStringLiteral("lastShown"), 0LL}};
    putFields(layout, record);
    return layout;
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
    // Direct, so that the waiting edits go before the list request that the log-in queues.
    connect(&SessionGate::instance(), &SessionGate::loggedIn, this, &DesktopLayoutController::onLoggedIn);
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
        const QString id = _layouts[index].toMap().value(QStringLiteral("id")).toString();
        QJsonObject fields{{"gridSize", gridSize}, {"tiles", tilesText}};
        if (isLocalId(id)) {
            return editWaitingCreate(id, fields, false);
        }
        fields.insert(QStringLiteral("id"), id.toLongLong());
        submit(QStringLiteral("trUpdate"), fields);
        return true;
    }
    int position = 0;
    for (const QVariant& layout : _layouts) {
        position = std::max(position, layout.toMap().value(QStringLiteral("position")).toInt() + 1);
    }
    submit(
        QStringLiteral("trCreate"),
        QJsonObject{{"name", trimmed}, {"gridSize", gridSize}, {"tiles", tilesText}, {"position", position}},
        QStringLiteral("new-%1").arg(++_localCount));
    return true;
}

bool DesktopLayoutController::renameLayout(const QString& id, const QString& name) {
    if (name.trimmed().isEmpty() || indexOfId(id) < 0) {
        return false;
    }
    if (isLocalId(id)) {
        return editWaitingCreate(id, QJsonObject{{"name", name.trimmed()}}, false);
    }
    submit(QStringLiteral("trUpdate"), QJsonObject{{"id", id.toLongLong()}, {"name", name.trimmed()}});
    return true;
}

void DesktopLayoutController::removeLayout(const QString& id) {
    if (isLocalId(id)) {
        editWaitingCreate(id, QJsonObject(), true);
        return;
    }
    // Waiting changes of a removed layout would only be refused.
    const qint64 gone = id.toLongLong();
    _pending.erase(
        std::remove_if(_pending.begin(), _pending.end(),
                       [gone](const Pending& edit) {
                           return edit.sentSession == 0 &&
                                  edit.params.value(QStringLiteral("id")).toVariant().toLongLong() == gone;
                       }),
        _pending.end());
    submit(QStringLiteral("trRemove"), QJsonObject{{"id", gone}});
}

double DesktopLayoutController::markShown(const QString& id) {
    if (indexOfId(id) < 0) {
        return 0;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (isLocalId(id)) {
        editWaitingCreate(id, QJsonObject{{"lastShown", now}}, false);
        return static_cast<double>(now);
    }
    // Only the last switch counts: one still waiting is replaced.
    const auto onlySwitch = [](const Pending& edit) {
        return edit.sentSession == 0 && edit.action == QLatin1String("trUpdate") && edit.params.size() == 2 &&
               edit.params.contains(QStringLiteral("lastShown"));
    };
    _pending.erase(std::remove_if(_pending.begin(), _pending.end(), onlySwitch), _pending.end());
    submit(QStringLiteral("trUpdate"), QJsonObject{{"id", id.toLongLong()}, {"lastShown", now}});
    return static_cast<double>(now);
}

void DesktopLayoutController::submit(const QString& action, QJsonObject params, const QString& localId) {
    _pending.push_back(Pending{action, std::move(params), localId, 0});
    if (SessionGate::instance().isOpen()) {
        sendPending(_pending.back());
    } else {
        applyLocally(action, _pending.back().params, localId);
        writeLocalCache();
    }
    Q_EMIT pendingEditsChanged();
}

void DesktopLayoutController::sendPending(Pending& edit) {
    // Session numbers start at 1 after the first log-in; 0 marks an edit not sent.
    edit.sentSession = std::max<quint64>(SessionGate::instance().session(), 1);
    send(edit.action, edit.params);
}

void DesktopLayoutController::onLoggedIn() {
    const quint64 session = SessionGate::instance().session();
    for (Pending& edit : _pending) {
        if (edit.sentSession != session) {
            sendPending(edit);
        }
    }
}

bool DesktopLayoutController::editWaitingCreate(const QString& localId, const QJsonObject& fields,
                                                bool drop) {
    if (!isLocalId(localId)) {
        return false;
    }
    const auto create = std::find_if(_pending.begin(), _pending.end(), [&](const Pending& edit) {
        return edit.action == QLatin1String("trCreate") && edit.localId == localId;
    });
    if (create == _pending.end()) {
        return false;
    }
    if (drop) {
        _pending.erase(create);
        applyLocally(QStringLiteral("trRemove"), QJsonObject{{"id", localId}}, localId);
    } else {
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            create->params.insert(it.key(), it.value());
        }
        QJsonObject update = fields;
        update.insert(QStringLiteral("id"), localId);
        applyLocally(QStringLiteral("trUpdate"), update, localId);
    }
    writeLocalCache();
    Q_EMIT pendingEditsChanged();
    return true;
}

void DesktopLayoutController::applyLocally(const QString& action, const QJsonObject& params,
                                           const QString& localId) {
    if (action == QLatin1String("trCreate")) {
        QVariantMap layout = layoutOf(params);
        layout.insert(QStringLiteral("id"), localId);
        _layouts.append(layout);
    } else {
        const int index = indexOfId(params.value(QStringLiteral("id")).toVariant().toString());
        if (index < 0) {
            return;
        }
        if (action == QLatin1String("trRemove")) {
            _layouts.removeAt(index);
        } else {
            QVariantMap layout = _layouts[index].toMap();
            putFields(layout, params);
            _layouts[index] = layout;
        }
    }
    Q_EMIT layoutsChanged();
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
        // The answers come in the order of the edits sent on this connection.
        const quint64 session = std::max<quint64>(SessionGate::instance().session(), 1);
        const auto answered = std::find_if(_pending.begin(), _pending.end(), [session](const Pending& edit) {
            return edit.sentSession == session;
        });
        if (answered != _pending.end()) {
            _pending.erase(answered);
            Q_EMIT pendingEditsChanged();
        }
        if (!params.value(QStringLiteral("RES")).toBool(true)) {
            Q_EMIT layoutActionFailed(actionName.mid(2), params.value(QStringLiteral("error")).toString());
        }
        // Also after a refusal: an edit made while logged out may have shown what the server refused.
        refresh();
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
        const QString id = record.value(QStringLiteral("id")).toVariant().toString();
        // Id 1 is the table's placeholder row.
        if (!isLocalId(id) && id.toLongLong() <= 1) {
            continue;
        }
        layouts.append(layoutOf(record));
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
    QJsonArray pending;
    for (const Pending& edit : _pending) {
        pending.append(
            QJsonObject{{"action", edit.action}, {"params", edit.params}, {"localId", edit.localId}});
    }
    QSaveFile file(_cacheFile);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"layouts", records}, {"pending", pending}})
                       .toJson(QJsonDocument::Compact)) < 0 ||
        !file.commit()) {
        logWarning(QStringLiteral("Layout cache '%1' not written: %2").arg(_cacheFile, file.errorString()));
    }
}

void DesktopLayoutController::writeLocalCache() const {
    QJsonArray records;
    for (const QVariant& layout : _layouts) {
        records.append(QJsonObject::fromVariantMap(layout.toMap()));
    }
    writeCache(records);
}

// A new cache file means another user or server: its layouts and waiting edits replace the list
// until the server answers.
void DesktopLayoutController::readCache() {
    QFile file(_cacheFile);
    _pending.clear();
    Q_EMIT pendingEditsChanged();
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
    for (const QJsonValue& value : doc.object().value(QStringLiteral("pending")).toArray()) {
        const QJsonObject edit = value.toObject();
        const QString localId = edit.value(QStringLiteral("localId")).toString();
        _pending.push_back(Pending{edit.value(QStringLiteral("action")).toString(),
                                   edit.value(QStringLiteral("params")).toObject(), localId, 0});
        _localCount = std::max(_localCount, localId.mid(4).toInt());
    }
    Q_EMIT pendingEditsChanged();
    setLayouts(doc.object().value(QStringLiteral("layouts")).toArray(), true);
    if (!_pending.empty() && SessionGate::instance().isOpen()) {
        onLoggedIn();
    }
}

} // namespace ClientController
