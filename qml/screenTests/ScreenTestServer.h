#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

class LinkClient;
class ServerProcess;

// The development server of one screen test, published to QML as "SERVER": started on a free
// loopback port with a fresh SQLite database and the demo camera, stopped and restarted on the same
// port, and a second client ("another workstation") that sends requests of its own.
class ScreenTestServer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int port READ port NOTIFY stateChanged)
    Q_PROPERTY(bool running READ running NOTIFY stateChanged)
    Q_PROPERTY(QString folder READ folder CONSTANT)
    Q_PROPERTY(QString videoFolder READ videoFolder CONSTANT)
    Q_PROPERTY(QString clientFolder READ clientFolder CONSTANT)
    Q_PROPERTY(QString demoClip READ demoClip CONSTANT)
public:
    explicit ScreenTestServer(const QString& clientFolder, QObject* parent = nullptr);
    ~ScreenTestServer() override;

    int port() const;
    bool running() const;
    QString folder() const;
    QString videoFolder() const;
    QString clientFolder() const { return _clientFolder; }
    QString demoClip() const;

    // A setting of the server's configuration file, written at the next start.
    Q_INVOKABLE void setSetting(const QString& key, const QVariant& value);
    // Starts the server unless it runs; false (with the reason in the test log) when it fails.
    Q_INVOKABLE bool start();
    Q_INVOKABLE bool restart();
    Q_INVOKABLE void stop();
    // What the server printed so far (its log goes to its log folder).
    Q_INVOKABLE QString output() const;

    // The second client: logs in with a plain password (hashed as the client does).
    Q_INVOKABLE bool logInOther(const QString& sign, const QString& password = QString());
    // Sends a record from the second client (logged in as the administrator unless `logInOther` was
    // called) and waits for the record whose "FN" is `answerFn`; an empty map on time-out.
    Q_INVOKABLE QVariantMap request(const QVariantMap& record, const QString& answerFn, int msecs = 10000);
    // Records with this "FN" that reached the second client so far.
    Q_INVOKABLE QVariantList received(const QString& fn) const;
    Q_INVOKABLE void dropOther();

    // Files: for tests that check what landed on disk.
    Q_INVOKABLE bool fileExists(const QString& path) const;
    // Copies a file (its folder is made when missing); false when it cannot.
    Q_INVOKABLE bool copyFile(const QString& from, const QString& to) const;
    // Removes a folder of the test's server (only below `folder`); false when it cannot.
    Q_INVOKABLE bool removeFolder(const QString& path) const;
    Q_INVOKABLE QStringList listFiles(const QString& folder,
                                      const QString& pattern = QStringLiteral("*")) const;
    Q_INVOKABLE QString pwdHash(const QString& password) const;
    // Saves what a window shows (for looking at, not for comparing).
    Q_INVOKABLE bool saveWindow(QObject* window, const QString& path) const;

Q_SIGNALS:
    void stateChanged();

private:
    LinkClient* other();
    QString logLinesAbout(const QString& needle) const;

    QString _clientFolder;
    std::unique_ptr<ServerProcess> _server;
    std::unique_ptr<LinkClient> _other;
};
