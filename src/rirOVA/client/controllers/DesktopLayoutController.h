#pragma once

#include "FeatureListController.h"

#include <QVariantList>
#include <vector>

namespace ClientController {

// The saved desktop layouts of the logged-in user (group "desktopLayout"). `layouts` holds the
// last known list, newest answer first, else the cache file of the last session, so that the
// layouts still switch while the server is away. Each layout is {"id", "name", "gridSize",
// "position", "lastShown", "tiles"} with "tiles" a list of {"slot", "deviceId",
// "mirrorHorizontally", "mirrorVertically", "rotateAngle", "ignoreAspectRatio"}.
// Saves, renames, removals and switches made while logged out change the list at once, wait in
// the cache file, and go to the server after the next log-in; an edit stays waiting until the
// server answered it, so that one sent into a link that just broke goes again. A layout saved
// while logged out has the id "new-<n>" until the server's list replaces it.
class DesktopLayoutController : public FeatureListController {
    Q_OBJECT
    Q_PROPERTY(QVariantList layouts READ layouts NOTIFY layoutsChanged)
    Q_PROPERTY(QString cacheFile READ cacheFile WRITE setCacheFile NOTIFY cacheFileChanged)
    Q_PROPERTY(bool fromCache READ fromCache NOTIFY layoutsChanged)
    Q_PROPERTY(int pendingEdits READ pendingEdits NOTIFY pendingEditsChanged)
public:
    explicit DesktopLayoutController(QQuickItem* parent = nullptr);
    ~DesktopLayoutController() override;

    QVariantList layouts() const { return _layouts; }
    QString cacheFile() const { return _cacheFile; }
    void setCacheFile(const QString& path);
    bool fromCache() const { return _fromCache; }
    int pendingEdits() const { return static_cast<int>(_pending.size()); }

    // Asks the server for the user's layouts.
    Q_INVOKABLE void refresh();
    // Saves under `name`: replaces the layout of that name, or adds a new one at the end. False
    // (and nothing sent) for an empty name.
    Q_INVOKABLE bool saveLayout(const QString& name, const QString& gridSize, const QVariantList& tiles);
    Q_INVOKABLE bool renameLayout(const QString& id, const QString& name);
    Q_INVOKABLE void removeLayout(const QString& id);
    // The user switched to the layout `id`: its "lastShown" becomes now, which is returned (ms
    // since the epoch; 0 for an unknown id).
    Q_INVOKABLE double markShown(const QString& id);
    // Index in `layouts` of the layout with that name or id; -1 when there is none.
    Q_INVOKABLE int indexOfName(const QString& name) const;
    Q_INVOKABLE int indexOfId(const QString& id) const;

Q_SIGNALS:
    void layoutsChanged();
    void cacheFileChanged();
    void pendingEditsChanged();
    // A save, rename or removal the server refused, with its reason.
    void layoutActionFailed(QString action, QString error);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
    void processSaGetList(const SpDto& mapParams) override;

private:
    // An edit not yet answered by the server; `localId` names the layout a waiting create makes.
    struct Pending {
        QString action;
        QJsonObject params;
        QString localId;
        quint64 sentSession = 0;
    };

    // Sends the edit when logged in, else applies it to the list and keeps it for the log-in.
    void submit(const QString& action, QJsonObject params, const QString& localId = QString());
    void sendPending(Pending& edit);
    void onLoggedIn();
    // A waiting create of the layout `localId` takes in `fields` (empty fields: it is dropped).
    bool editWaitingCreate(const QString& localId, const QJsonObject& fields, bool drop);
    void applyLocally(const QString& action, const QJsonObject& params, const QString& localId);
    void setLayouts(const QJsonArray& records, bool fromCache);
    void writeCache(const QJsonArray& records) const;
    void writeLocalCache() const;
    void readCache();

    std::vector<Pending> _pending;
    int _localCount = 0;
    QVariantList _layouts;
    QString _cacheFile;
    bool _fromCache = false;
};

} // namespace ClientController
