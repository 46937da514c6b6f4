#include "ControllerDesktopBase.h"

#include "kvoCore/Location.h"
#include "kvoCore/Utils.h"

#include <QJsonArray>
#include <spdlog/spdlog.h>

namespace ClientController {

ControllerDesktopBase::ControllerDesktopBase(QQuickItem* parent) : ControllerItemBase(parent) {
    _updatedTimer.setSingleShot(true);
    _insertedTimer.setSingleShot(true);
    connect(&_updatedTimer, &QTimer::timeout, this, &ControllerDesktopBase::srUpdatedPure);
    connect(&_insertedTimer, &QTimer::timeout, this, &ControllerDesktopBase::srInsertedPure);
    connect(&_autoUpdateTimer, &QTimer::timeout, this, &ControllerDesktopBase::onAutoUpdateTimerTimeout);
    _updatedClock.start();
    _insertedClock.start();
}

ControllerDesktopBase::~ControllerDesktopBase() = default;

void ControllerDesktopBase::trCreate(const QJsonObject& mapParams) {
    send(QStringLiteral("trCreate"), mapParams);
}

void ControllerDesktopBase::trUpdate(const QJsonObject& mapParams) {
    send(QStringLiteral("trUpdate"), mapParams);
}

void ControllerDesktopBase::trRemove(const QJsonObject& mapParams) {
    send(QStringLiteral("trRemove"), mapParams);
}

void ControllerDesktopBase::trDuplicate(const QJsonObject& mapParams) {
    send(QStringLiteral("trDuplicate"), mapParams);
}

void ControllerDesktopBase::setAutoUpdate(bool autoUpdate) {
    if (autoUpdate == _autoUpdate) {
        return;
    }
    _autoUpdate = autoUpdate;
    if (_autoUpdate) {
        _autoUpdateTimer.start(_autoUpdateInterval * 1000);
    } else {
        _autoUpdateTimer.stop();
    }
    Q_EMIT autoUpdateChanged(_autoUpdate);
}

void ControllerDesktopBase::setAutoUpdateInterval(int autoUpdateInterval) {
    if (autoUpdateInterval < 1) {
        logger()->warn("{}: auto-update interval {} s refused, it stays {} s", controllerName().toStdString(),
                       autoUpdateInterval, _autoUpdateInterval);
        return;
    }
    _autoUpdateInterval = autoUpdateInterval;
    // A running timer takes the new period at once.
    _autoUpdateTimer.setInterval(_autoUpdateInterval * 1000);
    Q_EMIT autoUpdateIntervalChanged(_autoUpdateInterval);
}

void ControllerDesktopBase::onAutoUpdateTimerTimeout() {
    QJsonObject group;
    const QJsonObject request = incrementalRequest(&group);
    const bool use = useTrGetList();
    setUseTrGetList(true);
    trGetList(request, true);
    setUseTrGetList(use);
    _savedDtUpdateGroup = group;
}

void ControllerDesktopBase::onCurrentIdChanged(QString currentId) {
    Q_EMIT currentIdChanged(currentId);
}

QJsonObject ControllerDesktopBase::incrementalRequest(QJsonObject* group) const {
    QJsonObject request = savedListParams();
    const QString whereKey = QStringLiteral("where");
    QJsonArray where = request.value(whereKey).toArray();
    if (!_savedDtUpdateGroup.isEmpty() && !where.isEmpty() &&
        where.last() == QJsonValue(_savedDtUpdateGroup)) {
        where.removeLast();
        request.insert(whereKey, where);
    }
    const qint64 newest = originalModel() ? originalModel()->maxDtUtcLastUpdate() : 0;
    KvoCore::Utils::appendDtUpdate2WhereCondition(request, newest);
    if (group) {
        *group = request.value(whereKey).toArray().last().toObject();
    }
    request.insert(QStringLiteral("_doNotClearModel"), true);
    return request;
}

bool ControllerDesktopBase::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (ControllerItemBase::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("saLock")) {
        processSaLock(mapParams);
    } else if (actionName == QLatin1String("saUnlock")) {
        processSaUnlock(mapParams);
    } else if (actionName == QLatin1String("saUpdate")) {
        processSaUpdate(mapParams);
    } else if (actionName == QLatin1String("saCreate")) {
        processSaCreate(mapParams);
    } else if (actionName == QLatin1String("saRemove")) {
        if (mapParams->params.value(QStringLiteral("RES")).toBool() || isRecordGone(mapParams)) {
            removeRecordOf(mapParams);
        }
        processSaRemove(mapParams);
    } else if (actionName == QLatin1String("saDuplicate")) {
        processSaDuplicate(mapParams);
    } else if (actionName == QLatin1String("srUpdated")) {
        onSrUpdated(mapParams);
    } else if (actionName == QLatin1String("srInserted")) {
        onSrInserted(mapParams);
    } else {
        return false;
    }
    return true;
}

void ControllerDesktopBase::processSaCreate(const SpDto& mapParams) {
    Q_EMIT saCreate(mapParams->params);
}

void ControllerDesktopBase::processSaUpdate(const SpDto& mapParams) {
    Q_EMIT saUpdate(mapParams->params);
}

void ControllerDesktopBase::processSaRemove(const SpDto& mapParams) {
    Q_EMIT saRemove(mapParams->params);
}

void ControllerDesktopBase::processSaDuplicate(const SpDto& mapParams) {
    Q_EMIT saDuplicate(mapParams->params);
}

void ControllerDesktopBase::processSaLock(const SpDto& mapParams) {
    if (originalModel()) {
        originalModel()->updateValue(recordId(mapParams), QStringLiteral("rst_id_user_locked"),
                                     idText(mapParams->params.value(QStringLiteral("rst_id_user_locked"))),
                                     true);
    }
    Q_EMIT saLock(mapParams->params);
}

void ControllerDesktopBase::processSaUnlock(const SpDto& mapParams) {
    if (originalModel()) {
        // Id 1 is the placeholder row of the users table: locked by nobody.
        originalModel()->updateValue(recordId(mapParams), QStringLiteral("rst_id_user_locked"),
                                     QStringLiteral("1"), true);
    }
    Q_EMIT saUnlock(mapParams->params);
}

void ControllerDesktopBase::onSrUpdated(const SpDto& mapParams) {
    if (ignoreSrUpdated()) {
        return;
    }
    _lastUpdated = *mapParams;
    if (_updatedClock.elapsed() >= kRefreshThrottleMs) {
        sendUpdatedRefresh();
    } else {
        _updatedTimer.start(kRefreshThrottleMs);
    }
}

void ControllerDesktopBase::onSrInserted(const SpDto& mapParams) {
    if (ignoreSrInserted() || !useTrGetList()) {
        return;
    }
    _lastInserted = *mapParams;
    if (_insertedClock.elapsed() >= kRefreshThrottleMs) {
        sendInsertedRefresh();
    } else {
        _insertedTimer.start(kRefreshThrottleMs);
    }
}

void ControllerDesktopBase::srUpdatedPure() {
    try {
        sendUpdatedRefresh();
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerDesktopBase::srUpdatedPure"), e);
    }
}

void ControllerDesktopBase::srInsertedPure() {
    try {
        sendInsertedRefresh();
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerDesktopBase::srInsertedPure"), e);
    }
}

void ControllerDesktopBase::sendUpdatedRefresh() {
    _updatedTimer.stop();
    _updatedClock.restart();
    QJsonObject request = incrementalRequest();
    request.insert(QStringLiteral("_request"), QStringLiteral("srUpdated"));
    trGetList(request, false);
    Q_EMIT srUpdated(_lastUpdated.params);
}

void ControllerDesktopBase::sendInsertedRefresh() {
    _insertedTimer.stop();
    _insertedClock.restart();
    QJsonObject request = incrementalRequest();
    request.insert(QStringLiteral("_request"), QStringLiteral("srInserted"));
    trGetList(request, false);
    Q_EMIT srInserted(_lastInserted.params);
}

} // namespace ClientController
