// The client's command line, on the built program: what it prints, its exit codes, and values that
// hold for one run without being written to the settings.
#include "rirOVA/startup/CommandLine.h"
#include "kvoClientController/network/MessageFraming.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using DodEzoviviZudorOzerir::CommandLine;

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program to its end with no display at all: none of these answers may need one.
Finished runToEnd(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(env);
    process.start(OKULON_PROGRAM, args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

TEST(CommandLineProgram, VersionAndHelpNeedNoDisplay) {
    const Finished version = runToEnd({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QString("okulon %1\n").arg(OKULON_EXPECTED_VERSION));

    const Finished help = runToEnd({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    for (const char* option : {"--help", "--version", "--config <file>", "--server <host:port>",
                               "--user <name>", "--lang <en|ru>", "--no-server"}) {
        EXPECT_TRUE(help.out.contains(option)) << option << "\n" << help.out.toStdString();
    }
    // Qt's own options are accepted but not advertised.
    EXPECT_FALSE(help.out.contains("platform")) << help.out.toStdString();
}

TEST(CommandLineProgram, BadCommandLinesEndWithExitCode2) {
    const Finished unknown = runToEnd({"--bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("Unknown option 'bogus'")) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.out.isEmpty());

    const QList<QStringList> bad = {{"--lang", "de"},
                                    {"--server", "localhost"},
                                    {"--server", "h:70000"},
                                    {"--server", "::1:5"},
                                    {"--user", ""},
                                    {"--config"},
                                    {"stray"}};
    for (const QStringList& args : bad) {
        const Finished run = runToEnd(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("okulon: ")) << run.err.toStdString();
    }
}

TEST(CommandLineParse, ServerAddressForms) {
    QString host;
    int port = 0;
    EXPECT_TRUE(CommandLine::parseServerAddress("10.1.2.3:59351", &host, &port));
    EXPECT_EQ(host, "10.1.2.3");
    EXPECT_EQ(port, 59351);
    EXPECT_TRUE(CommandLine::parseServerAddress("[::1]:7", &host, &port));
    EXPECT_EQ(host, "::1");
    EXPECT_EQ(port, 7);
    EXPECT_TRUE(CommandLine::parseServerAddress("server.local:1", &host, &port));
    for (const char* text : {"", ":5", "h:", "h:0", "h:65536", "h:x", "[]:5", "::1:5", "h:5:6"}) {
        EXPECT_FALSE(CommandLine::parseServerAddress(text, &host, &port)) << text;
    }
}

TEST(CommandLineParse, OptionsForTheRun) {
    const auto result =
        CommandLine::parse({"okulon", "--config", "rel/my.conf", "--server", "[::1]:4000", "--user",
                            "operator", "--lang", "RU", "--no-server", "-platform", "offscreen"});
    ASSERT_EQ(result.outcome, CommandLine::Outcome::Run) << result.text.toStdString();
    EXPECT_EQ(result.options.configFile, QDir::current().absoluteFilePath("rel/my.conf"));
    EXPECT_EQ(result.options.serverHost, "::1");
    EXPECT_EQ(result.options.serverPort, 4000);
    EXPECT_EQ(result.options.user, "operator");
    EXPECT_EQ(result.options.lang, "rus");
    EXPECT_TRUE(result.options.noServer);
}

// The client in a tree of its own under its own X display.
class CommandLineWindow : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb.setProgram("Xvfb");
        // -displayfd 1: the server picks a free display and prints its number.
        xvfb.setArguments({"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        xvfb.start();
        if (!xvfb.waitForStarted(10000))
            GTEST_SKIP() << "Xvfb is not installed";
        QElapsedTimer t;
        t.start();
        while (!display.endsWith('\n') && t.elapsed() < 20000) {
            xvfb.waitForReadyRead(200);
            display += xvfb.readAllStandardOutput();
        }
        ASSERT_FALSE(display.trimmed().isEmpty()) << "Xvfb gave no display";
        ASSERT_TRUE(dir.isValid());
        QDir root(dir.path());
        ASSERT_TRUE(root.mkpath("bin") && root.mkpath("etc"));
        ASSERT_TRUE(QFile::copy(OKULON_PROGRAM, root.filePath("bin/okulon")));
        settingsPort = freePort();
        QSettings conf(confPath(), QSettings::IniFormat);
        conf.setValue("server/ip", "127.0.0.1");
        conf.setValue("server/port", settingsPort);
        conf.setValue("server/user", "admin");
        conf.setValue("generalSettings/lang", "eng");
    }
    void TearDown() override {
        if (client) {
            client->kill();
            client->waitForFinished(10000);
        }
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }
    QString confPath() const { return dir.filePath("etc/dodEzoviviZudorOzerir.conf"); }

    void start(const QStringList& args) {
        client = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", ":" + QString::fromLatin1(display.trimmed()));
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("LIBGL_ALWAYS_SOFTWARE", "1");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        client->setProcessEnvironment(env);
        client->setWorkingDirectory(dir.filePath("bin"));
        client->setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(client.get(), &QProcess::readyRead,
                         [this] { output += QString::fromUtf8(client->readAll()); });
        client->start(dir.filePath("bin/okulon"), args);
    }
    bool waitFor(const QString& text, int timeoutMs = 60000) {
        return QTest::qWaitFor([&] { return output.contains(text); }, timeoutMs);
    }

    QProcess xvfb;
    QByteArray display;
    QTemporaryDir dir;
    quint16 settingsPort = 0;
    std::unique_ptr<QProcess> client;
    QString output;
};

// --server, --user and --lang hold for the run: the client connects where it was told, shows Russian,
// and the settings file keeps its own values.
TEST_F(CommandLineWindow, ValuesOfTheRunAreUsedButNotWritten) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QList<QTcpSocket*> accepted;
    QObject::connect(&server, &QTcpServer::newConnection,
                     [&] { accepted << server.nextPendingConnection(); });

    start({"--server", QString("127.0.0.1:%1").arg(server.serverPort()), "--user", "operator", "--lang", "ru",
           "--no-server"});
    // Nothing else listens there: the link reached the address of the command line.
    ASSERT_TRUE(waitFor("Connection state: Connected")) << output.toStdString();
    const QString russian = QString::fromUtf8("Tabs: Рабочий стол, Устройства, Архив, Настройки");
    EXPECT_TRUE(waitFor(russian)) << output.toStdString();
    // The log-in that follows the connection carries the user of the command line.
    ClientBase::MessageFraming stream;
    QString logIn;
    const bool gotLogIn = QTest::qWaitFor(
        [&] {
            for (QTcpSocket* socket : accepted)
                stream.append(socket->readAll());
            QByteArray frame, payload;
            while (stream.next(&frame) == ClientBase::MessageFraming::Next::Frame) {
                if (ClientBase::MessageFraming::inflate(frame, &payload) !=
                    ClientBase::MessageFraming::Inflate::Ok)
                    continue;
                for (const QJsonObject& record : ClientBase::MessageFraming::parse(payload).records) {
                    if (record.value("FN").toString().startsWith("auth_"))
                        logIn = QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact));
                }
            }
            return !logIn.isEmpty();
        },
        30000);
    EXPECT_TRUE(gotLogIn) << output.toStdString();
    EXPECT_TRUE(logIn.contains("\"operator\"")) << logIn.toStdString() << output.toStdString();
    EXPECT_FALSE(output.contains("First-start notice shown")) << output.toStdString();
    client->kill();
    client->waitForFinished(10000);

    QSettings conf(confPath(), QSettings::IniFormat);
    EXPECT_EQ(conf.value("server/port").toInt(), settingsPort);
    EXPECT_EQ(conf.value("server/ip").toString(), "127.0.0.1");
    EXPECT_EQ(conf.value("server/user").toString(), "admin");
    EXPECT_EQ(conf.value("generalSettings/lang").toString(), "eng");
}

// Nothing answers and starting is switched off: the window says which address it tried.
TEST_F(CommandLineWindow, NoServerShowsTheAddressTried) {
    start({"--no-server", "--lang", "en"});
    EXPECT_TRUE(waitFor(QString("First-start notice shown: no server at 127.0.0.1:%1").arg(settingsPort)))
        << output.toStdString();
    EXPECT_TRUE(output.contains("folders: program tree")) << output.toStdString();
    // The notice may come before the tab bar has named its tabs.
    EXPECT_TRUE(waitFor("Tabs: Desktop, Devices, Archive, Settings")) << output.toStdString();
}
