#pragma once

#include <QObject>
#include <QPointer>

namespace ClientBase {
class ClientNetworkSimple;
}

namespace ClientController {

// Whether the server has accepted the log-in of the current connection. A server answers every list
// request made before the log-in with "Log in first", so while the gate is closed the list requests
// of the controllers wait, and each new log-in (after a start or a reconnection) sends them again.
// The gate only holds requests back once the application turned it on; until then every request goes
// out at once. GUI thread only.
class SessionGate : public QObject {
    Q_OBJECT
public:
    static SessionGate& instance();

    bool isEnabled() const { return _enabled; }
    void setEnabled(bool value) { _enabled = value; }
    bool isLoggedIn() const { return _loggedIn; }
    // Counts the log-ins; a request sent in the current session is not sent again by the log-in.
    quint64 session() const { return _session; }
    // True when a list request may go out now.
    bool isOpen() const { return !_enabled || _loggedIn; }

    // The server accepted a log-in: opens the gate, starts a new session and emits loggedIn.
    void logIn();
    // The connection was lost: the next requests wait for the next log-in.
    void logOut();
    // Closes the gate whenever `link` reports a lost connection. Watching the same link twice is a
    // no-op.
    void watch(ClientBase::ClientNetworkSimple* link);

Q_SIGNALS:
    void loggedIn();

private:
    SessionGate() = default;
    void onConnectionState(bool isConnected);

    bool _enabled = false;
    bool _loggedIn = false;
    quint64 _session = 0;
    QPointer<ClientBase::ClientNetworkSimple> _watched;
};

} // namespace ClientController
