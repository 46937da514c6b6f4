#include "rirOVA/Bootstrap.h"

#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using DodEzoviviZudorOzerir::Bootstrap;

namespace {

const QString sha512OfEmpty = "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
                              "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e";

// Copies the client without its QML into <dir>/bin so that ../etc and ../var resolve inside dir.
QString installClient(const QTemporaryDir& dir) {
    QDir(dir.path()).mkpath("bin");
    const QString target = dir.filePath("bin/okulon");
    EXPECT_TRUE(QFile::copy(OKULON_WITHOUT_QML, target));
    return target;
}

struct ClientRun {
    int exitCode;
    QString output;
};

ClientRun runClient(const QString& program, const QString& workDir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A port nothing listens on, so that start-up looks for the server in workDir (empty here).
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, QStringList());
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

quint16 freePort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace

TEST(Startup, MissingMainDocumentEndsWithExitCode1AfterWritingDefaults) {
    QTemporaryDir dir;
    const QString program = installClient(dir);
    const ClientRun run = runClient(program, dir.path());
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Failed to Bootstrap::init(). "));
    EXPECT_TRUE(run.output.contains("Bootstrap.cpp::DodEzoviviZudorOzerir::Bootstrap::initQmlEngine line: "))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(". Failed to load Main.qml")) << run.output.toStdString();

    EXPECT_TRUE(QDir(dir.filePath("var/log/rirOVA/main")).exists());
    QSettings conf(dir.filePath("etc/dodEzoviviZudorOzerir.conf"), QSettings::IniFormat);
    EXPECT_EQ(conf.allKeys().size(), 13) << conf.allKeys().join(",").toStdString();
    for (const auto& [key, value] : Bootstrap::settingDefaults()) {
        EXPECT_EQ(conf.value(key).toString(), value.toString()) << key.toStdString();
    }
    EXPECT_EQ(conf.value("server/pwd").toString(), sha512OfEmpty);
}

TEST(Startup, ExistingSettingsAreKeptOnRestart) {
    QTemporaryDir dir;
    const QString program = installClient(dir);
    QDir(dir.path()).mkpath("etc");
    {
        QSettings conf(dir.filePath("etc/dodEzoviviZudorOzerir.conf"), QSettings::IniFormat);
        conf.setValue("server/port", 1000);
        conf.setValue("server/user", "");
        conf.setValue("custom/key", "kept");
    }
    runClient(program, dir.path());
    QSettings conf(dir.filePath("etc/dodEzoviviZudorOzerir.conf"), QSettings::IniFormat);
    EXPECT_EQ(conf.value("server/port").toInt(), 1000);
    EXPECT_EQ(conf.value("server/user").toString(), "");
    EXPECT_EQ(conf.value("custom/key").toString(), "kept");
    EXPECT_EQ(conf.value("generalSettings/lang").toString(), "eng");
    EXPECT_EQ(conf.allKeys().size(), 14);
}

// initServer in this process: the settings singleton points at a temporary file.
class ServerLaunch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir etc;
        Bootstrap::initSettings(etc.path());
    }

    void SetUp() override {
        ASSERT_TRUE(workDir.isValid());
        marker = workDir.filePath("started");
        const QString script = workDir.filePath(Bootstrap::serverProgramName());
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\npwd > '%1'\n").arg(marker).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
    }

    void TearDown() override { QDir::setCurrent(previousDir); }

    void pointAt(quint16 port) {
        auto* s = SpSingleton<KvoCore::SettingsSimple>::instance();
        s->setValue("server/ip", "127.0.0.1");
        s->setValue("server/port", port);
    }

    QTemporaryDir workDir;
    QString marker;
    QString previousDir;
};

TEST_F(ServerLaunch, StartsProgramFromWorkingDirectoryWhenNothingAnswers) {
    pointAt(freePort());
    Bootstrap::initServer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));
    QFile f(marker);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromUtf8(f.readAll()).trimmed()).canonicalPath(),
              QDir(workDir.path()).canonicalPath());
}

TEST_F(ServerLaunch, DoesNotStartProgramWhenServerAnswers) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    pointAt(server.serverPort());
    Bootstrap::initServer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 2000));
    QTest::qWait(1000);
    EXPECT_FALSE(QFile::exists(marker));
}
