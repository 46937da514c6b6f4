#include "kvoCore/BootstrapBase.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <spdlog/spdlog.h>

using KvoCore::SettingsSimple;

namespace {

struct TestBootstrap : KvoCore::BootstrapBase {
    using BootstrapBase::initMainLog;
    using BootstrapBase::initSetting;
};

QString readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(SettingsDefaults, OnlyMissingKeysReceiveDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.conf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[server]\nport=1000\nuser=\n");
    }
    SettingsSimple settings(path, QSettings::IniFormat);
    settings.initSettingParams(
        {{"server/port", 59351}, {"server/user", "admin"}, {"server/ip", "127.0.0.1"}});
    EXPECT_EQ(settings.value("server/port").toInt(), 1000);
    // An empty string is a value: it is kept.
    EXPECT_EQ(settings.value("server/user").toString(), "");
    EXPECT_TRUE(settings.value("server/user").isValid());
    EXPECT_EQ(settings.value("server/ip").toString(), "127.0.0.1");
    settings.sync();
    EXPECT_EQ(settings.status(), QSettings::NoError);

    SettingsSimple reread(path, QSettings::IniFormat);
    EXPECT_EQ(reread.value("server/port").toInt(), 1000);
    EXPECT_EQ(reread.value("server/ip").toString(), "127.0.0.1");
    EXPECT_FALSE(reread.value("missing").isValid());
    EXPECT_EQ(reread.value("missing", 7).toInt(), 7);
}

TEST(MainLog, FileNameFollowsLocalStartTime) {
    const QString name = KvoCore::BootstrapBase::mainLogFileName("/x/y");
    EXPECT_TRUE(
        QRegularExpression(R"(^/x/y/\d{4}_\d{2}_\d{2} \d{2}_\d{2}_\d{2}\.txt$)").match(name).hasMatch())
        << name.toStdString();
}

// One test for the whole log life cycle: the settings singleton is process-wide.
TEST(MainLog, OffThenOnWritesPatternLinesToDailyFile) {
    QTemporaryDir dir;
    const QString etc = dir.filePath("etc");
    const QString logDir = dir.filePath("var/log/rirOVA/main");
    TestBootstrap::initSetting(etc, "test.conf");
    ASSERT_TRUE(QFile::exists(etc)) << "settings folder is created";
    auto* settings = SpSingleton<SettingsSimple>::instance();
    EXPECT_EQ(settings->fileName(), etc + "/test.conf");

    // "log/logging" absent reads false: the logger exists but writes nothing.
    TestBootstrap::initMainLog(logDir);
    auto logger = spdlog::get("main");
    ASSERT_TRUE(logger);
    EXPECT_EQ(logger->level(), spdlog::level::off);
    logger->info("hidden line");
    logger->flush();

    QDir logs(logDir);
    QStringList files = logs.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    // spdlog's daily naming adds "_<year>-<month>-<day>" to the given name.
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}_\d{2}_\d{2} \d{2}_\d{2}_\d{2}_\d{4}-\d{2}-\d{2}\.txt$)")
                    .match(files.first())
                    .hasMatch())
        << files.first().toStdString();
    EXPECT_FALSE(readAll(logs.filePath(files.first())).contains("hidden line"));

    settings->setValue("log/logging", true);
    TestBootstrap::initMainLog(logDir);
    logger = spdlog::get("main");
    ASSERT_TRUE(logger);
    EXPECT_EQ(logger->level(), spdlog::level::info);
    logger->info("visible {}", 42);
    logger->flush();
    QString all;
    for (const QString& f : logs.entryList(QDir::Files)) {
        all += readAll(logs.filePath(f));
    }
    EXPECT_TRUE(all.contains("[main] [I] main log instance inited successfully.\r\n")) << all.toStdString();
    EXPECT_TRUE(
        QRegularExpression(R"(\[\d+\] \[\d{2}:\d{2}:\d{2}:\d{3}\.\d{6} [+-]\d{2}:\d{2}\] \[thread \d+\] )"
                           R"(\[main\] \[I\] visible 42\.\r\n)")
            .match(all)
            .hasMatch())
        << all.toStdString();
}
