#include "rirOVA/Bootstrap.h"
#include "rirOVA/startup/ServerLauncher.h"

#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using DodEzoviviZudorOzerir::Bootstrap;
using DodEzoviviZudorOzerir::ServerLauncher;

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

// The server launcher in this process, with a script standing in for the server program.
class ServerLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid() && otherDir.isValid() && emptyDir.isValid());
        marker = otherDir.filePath("started");
        script = writeScript(programDir.path());
        savedPath = qgetenv("PATH");
        // Nothing of the machine's own: the PATH holds only what a test puts there.
        qputenv("PATH", emptyDir.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    QString writeScript(const QString& dir) {
        const QString path = QDir(dir).filePath(ServerLauncher::programName());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\npwd > '%1'\n").arg(marker).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    QString startedIn() {
        if (!QTest::qWaitFor([&] { return QFile::exists(marker) && QFileInfo(marker).size() > 0; }, 10000))
            return QString();
        QFile f(marker);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QDir(QString::fromUtf8(f.readAll()).trimmed()).canonicalPath();
    }

    QTemporaryDir programDir, otherDir, emptyDir;
    QString marker, script;
    QByteArray savedPath;
};

TEST_F(ServerLaunch, StartsTheProgramBesideTheClientInItsFolderWhenNothingAnswers) {
    ServerLauncher launcher;
    const quint16 port = freePort();
    EXPECT_TRUE(launcher.ensureServer("127.0.0.1", port, true, programDir.path()));
    EXPECT_EQ(startedIn(), QDir(programDir.path()).canonicalPath());
    EXPECT_FALSE(launcher.unavailable());
    EXPECT_EQ(launcher.address(), QString("127.0.0.1:%1").arg(port));
}

TEST_F(ServerLaunch, DoesNotStartProgramWhenServerAnswers) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    ServerLauncher launcher;
    EXPECT_FALSE(launcher.ensureServer("127.0.0.1", server.serverPort(), true, programDir.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.hasPendingConnections(); }, 2000));
    QTest::qWait(1000);
    EXPECT_FALSE(QFile::exists(marker));
    EXPECT_FALSE(launcher.unavailable());
}

TEST_F(ServerLaunch, LooksOnThePathWhenNothingIsBesideTheClient) {
    QTemporaryDir pathDir;
    const QString onPath = writeScript(pathDir.path());
    EXPECT_TRUE(ServerLauncher::findProgram(emptyDir.path()).isEmpty());
    qputenv("PATH", (emptyDir.path() + ":" + pathDir.path()).toLocal8Bit());
    EXPECT_EQ(ServerLauncher::findProgram(emptyDir.path()), onPath);
    // The one beside the client comes first.
    EXPECT_EQ(ServerLauncher::findProgram(programDir.path()), script);

    ServerLauncher launcher;
    launcher.ensureServer("127.0.0.1", freePort(), true, emptyDir.path());
    EXPECT_EQ(startedIn(), QDir(pathDir.path()).canonicalPath());
}

TEST_F(ServerLaunch, SaysWhenNoServerAnswersAndNoneCanBeStarted) {
    ServerLauncher launcher;
    QSignalSpy changed(&launcher, &ServerLauncher::changed);
    const quint16 port = freePort();
    EXPECT_FALSE(launcher.ensureServer("127.0.0.1", port, true, emptyDir.path()));
    EXPECT_TRUE(launcher.unavailable());
    EXPECT_EQ(launcher.reason(), ServerLauncher::ProgramMissing);
    EXPECT_EQ(launcher.address(), QString("127.0.0.1:%1").arg(port));
    EXPECT_GE(changed.count(), 1);

    // Switched off, the program beside the client is not started either.
    launcher.ensureServer("::1", port, false, programDir.path());
    EXPECT_EQ(launcher.reason(), ServerLauncher::StartingSwitchedOff);
    EXPECT_EQ(launcher.address(), QString("[::1]:%1").arg(port));
    QTest::qWait(500);
    EXPECT_FALSE(QFile::exists(marker));
}
