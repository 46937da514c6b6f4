#pragma once

#include "kvoClientController/controller/ControllerItemBase.h"
#include "kvoCore/DTO.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTimer>

namespace ClientController {

// The list controller that edits records: create, update, remove, duplicate, lock and unlock. The
// server's change notices "srUpdated" and "srInserted" become incremental list refreshes, at most one
// per kind per second, the last notice of a burst always followed by one refresh; an optional timer
// refreshes periodically. Almost every feature controller derives from this class.
class ControllerDesktopBase : public ControllerItemBase {
    Q_OBJECT
    Q_PROPERTY(bool autoUpdate READ autoUpdate WRITE setAutoUpdate NOTIFY autoUpdateChanged)
    Q_PROPERTY(int autoUpdateInterval READ autoUpdateInterval WRITE setAutoUpdateInterval NOTIFY
                   autoUpdateIntervalChanged)

public:
    // Minimum time between two refreshes caused by the same kind of notice.
    static constexpr int kRefreshThrottleMs = 1000;

    explicit ControllerDesktopBase(QQuickItem* parent = nullptr);
    ~ControllerDesktopBase() override;

    bool autoUpdate() const { return _autoUpdate; }
    int autoUpdateInterval() const { return _autoUpdateInterval; }
    // The auto-update timer as it runs now.
    bool isAutoUpdateTimerActive() const { return _autoUpdateTimer.isActive(); }
    int autoUpdateTimerIntervalMs() const { return _autoUpdateTimer.interval(); }

    Q_INVOKABLE void trCreate(const QJsonObject& mapParams = QJsonObject());
    Q_INVOKABLE void trUpdate(const QJsonObject& mapParams = QJsonObject());
    Q_INVOKABLE void trRemove(const QJsonObject& mapParams = QJsonObject());
    Q_INVOKABLE void trDuplicate(const QJsonObject& mapParams = QJsonObject());

Q_SIGNALS:
    void currentIdChanged(QString currentId);
    void saLock(QJsonObject mapParams);
    void saUnlock(QJsonObject mapParams);
    void saCreate(QJsonObject mapParams);
    void saRemove(QJsonObject mapParams);
    void saDuplicate(QJsonObject mapParams);
    void saUpdate(QJsonObject mapParams);
    void srUpdated(QJsonObject mapParams);
    void srInserted(QJsonObject mapParams);
    void autoUpdateChanged(bool autoUpdate);
    void autoUpdateIntervalChanged(int autoUpdateInterval);

public Q_SLOTS:
    void setAutoUpdate(bool autoUpdate);
    // Seconds; a value below 1 would make the timer fire without pause and is refused.
    void setAutoUpdateInterval(int autoUpdateInterval);
    // Asks for the records changed since the newest update seen, and saves that request.
    virtual void onAutoUpdateTimerTimeout();

private Q_SLOTS:
    void onCurrentIdChanged(QString currentId);
    void srUpdatedPure();
    void srInsertedPure();

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;

    virtual void processSaCreate(const SpDto& mapParams);
    virtual void processSaUpdate(const SpDto& mapParams);
    virtual void processSaRemove(const SpDto& mapParams);
    virtual void processSaDuplicate(const SpDto& mapParams);
    virtual void processSaLock(const SpDto& mapParams);
    virtual void processSaUnlock(const SpDto& mapParams);

    // The saved list parameters narrowed to records newer than the newest update in the list, to be
    // merged into the list ("_doNotClearModel"). The "where" array holds at most one such condition
    // group: the one that an auto-update left in the saved parameters is replaced, not added to.
    // `group` receives the group appended.
    QJsonObject incrementalRequest(QJsonObject* group = nullptr) const;

private:
    void onSrUpdated(const SpDto& mapParams);
    void onSrInserted(const SpDto& mapParams);
    void sendUpdatedRefresh();
    void sendInsertedRefresh();

    QTimer _autoUpdateTimer;
    int _autoUpdateInterval = 30;
    bool _autoUpdate = false;
    QTimer _updatedTimer;
    QTimer _insertedTimer;
    QElapsedTimer _updatedClock;
    QElapsedTimer _insertedClock;
    KvoCore::DTO _lastUpdated;
    KvoCore::DTO _lastInserted;
    // The "changed since" group that the last auto-update saved at the end of the saved "where".
    QJsonObject _savedDtUpdateGroup;
};

} // namespace ClientController
