#pragma once

#include "FeatureListController.h"

#include <QVariantList>

namespace ClientController {

// The saved desktop layouts of the logged-in user (group "desktopLayout"). `layouts` holds the
// last known list, newest answer first, else the cache file of the last session, so that the
// layouts still switch while the server is away. Each layout is {"id", "name", "gridSize",
// "position", "tiles"} with "tiles" a list of {"slot", "deviceId", "mirrorHorizontally",
// "mirrorVertically", "rotateAngle", "ignoreAspectRatio"}.
class DesktopLayoutController : public FeatureListController {
    Q_OBJECT
    Q_PROPERTY(QVariantList layouts READ layouts NOTIFY layoutsChanged)
    Q_PROPERTY(QString cacheFile READ cacheFile WRITE setCacheFile NOTIFY cacheFileChanged)
    Q_PROPERTY(bool fromCache READ fromCache NOTIFY layoutsChanged)
public:
    explicit DesktopLayoutController(QQuickItem* parent = nullptr);
    ~DesktopLayoutController() override;

    QVariantList layouts() const { return _layouts; }
    QString cacheFile() const { return _cacheFile; }
    void setCacheFile(const QString& path);
    bool fromCache() const { return _fromCache; }

    // Asks the server for the user's layouts.
    Q_INVOKABLE void refresh();
    // Saves under `name`: replaces the layout of that name, or adds a new one at the end. False
    // (and nothing sent) for an empty name.
    Q_INVOKABLE bool saveLayout(const QString& name, const QString& gridSize, const QVariantList& tiles);
    Q_INVOKABLE bool renameLayout(const QString& id, const QString& name);
    Q_INVOKABLE void removeLayout(const QString& id);
    // Index in `layouts` of the layout with that name or id; -1 when there is none.
    Q_INVOKABLE int indexOfName(const QString& name) const;
    Q_INVOKABLE int indexOfId(const QString& id) const;

Q_SIGNALS:
    void layoutsChanged();
    void cacheFileChanged();
    // A save, rename or removal the server refused, with its reason.
    void layoutActionFailed(QString action, QString error);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
    void processSaGetList(const SpDto& mapParams) override;

private:
    void setLayouts(const QJsonArray& records, bool fromCache);
    void writeCache(const QJsonArray& records) const;
    void readCache();

    QVariantList _layouts;
    QString _cacheFile;
    bool _fromCache = false;
};

} // namespace ClientController
