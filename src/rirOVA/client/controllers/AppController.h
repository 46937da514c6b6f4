#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The application-level exchange with the server (group "app"): shut the server down, read and set
// its video directory, and its requests to show or stop the client. It has no list.
class AppController : public FeatureListController {
    Q_OBJECT
public:
    // How long trShutdownServer holds the caller, so that the request leaves before the client quits.
    static constexpr int kShutdownWaitMs = 200;

    explicit AppController(QQuickItem* parent = nullptr);
    ~AppController() override;

    Q_INVOKABLE void trShutdownServer(const QJsonObject& mapParams);
    Q_INVOKABLE void trSetBaseVideoDir(const QJsonObject& mapParams);
    Q_INVOKABLE void trGetBaseVideoDir(const QJsonObject& mapParams);

Q_SIGNALS:
    void srStopClient();
    void srShowClient();
    void saSetBaseVideoDir(QJsonObject mapParams);
    void saGetBaseVideoDir(QJsonObject mapParams);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
