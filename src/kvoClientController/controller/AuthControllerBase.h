#pragma once

#include "kvoClientController/controller/ControllerConsoleBase.h"

#include <QJsonObject>

namespace ClientController {

// Log-in and sign-up with the server (group "auth"). The caller puts the user name and the password
// hash into the parameters; the answers "saAuth", "saSignup" and "saFailed" come back as signals.
class AuthControllerBase : public ControllerConsoleBase {
    Q_OBJECT
    // Process-wide: list requests of every controller wait for the log-in and are sent again after
    // each reconnection (SessionGate). Set by the client that logs in automatically.
    Q_PROPERTY(bool listsWaitForLogIn READ listsWaitForLogIn WRITE setListsWaitForLogIn)
public:
    // Throws the null-pointer error when start-up has not installed the link and its handler.
    explicit AuthControllerBase(QObject* parent = nullptr);
    ~AuthControllerBase() override;

    bool listsWaitForLogIn() const;
    void setListsWaitForLogIn(bool value);

Q_SIGNALS:
    void saFailed(QJsonObject mapParams);
    void saAuth(QJsonObject mapParams);
    void saSignup(QJsonObject mapParams);

public Q_SLOTS:
    void trAuth(QJsonObject mapParams);
    void trSignup(QJsonObject mapParams);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
