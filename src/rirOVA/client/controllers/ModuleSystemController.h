#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The server's detector modules (group "moduleSystem"): list them, switch them on and off, read and
// set their parameters. Only answers to this controller's own requests are reported.
class ModuleSystemController : public FeatureListController {
    Q_OBJECT
public:
    explicit ModuleSystemController(QQuickItem* parent = nullptr);
    ~ModuleSystemController() override;

    Q_INVOKABLE void trModuleList(const QJsonObject& mapParams);
    Q_INVOKABLE void trActiveModuleList(const QJsonObject& mapParams);
    Q_INVOKABLE void trModuleOn(const QJsonObject& mapParams);
    Q_INVOKABLE void trModuleOff(const QJsonObject& mapParams);
    Q_INVOKABLE void trGetParams(const QJsonObject& mapParams);
    Q_INVOKABLE void trSetParams(const QJsonObject& mapParams);

Q_SIGNALS:
    void saModuleList(QJsonObject mapParams);
    void saActiveModuleList(QJsonObject mapParams);
    void saModuleOn(QJsonObject mapParams);
    void saModuleOff(QJsonObject mapParams);
    void saGetParams(QJsonObject mapParams);
    void saSetParams(QJsonObject mapParams);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
