#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The search for cameras on the local network (group "searchDevices"). Each found camera's source
// URL is split into login, password and address before the list sees it.
class SearchDevicesController : public FeatureListController {
    Q_OBJECT
public:
    explicit SearchDevicesController(QQuickItem* parent = nullptr);
    ~SearchDevicesController() override;

    Q_INVOKABLE void trSearch(const QJsonObject& mapParams = QJsonObject());

    // One search result as the list shows it: "login", "password", "ip" from its "source" ("n/a" for
    // a USB camera) and "isAdd" from "isNew".
    static QJsonObject prepareResult(QJsonObject entry);

Q_SIGNALS:
    void saSearch(QJsonObject mapParams);
    void srSearch(QJsonObject mapParams);

protected:
    void preprocessMessage(const SpDto& mapParams) override;
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
