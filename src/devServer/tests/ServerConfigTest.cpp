#include "devServer/server/ServerConfig.h"
#include "kvoCore/SettingsSimple.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using DevServer::ServerConfig;

// The video goes beside the database it belongs to, wherever that is.
TEST(ServerConfigFolders, VideoFollowsTheDatabaseFolderUnlessSet) {
    QTemporaryDir dir;
    KvoCore::SettingsSimple settings(dir.filePath("server.conf"), QSettings::IniFormat);
    ServerConfig::Arguments arguments;
    arguments.dbDir = dir.filePath("state");
    const ServerConfig config = ServerConfig::fromSettings(settings, arguments);
    EXPECT_EQ(config.dbDir, dir.filePath("state"));
    EXPECT_EQ(config.baseVideoDir, dir.filePath("state/video"));
    EXPECT_EQ(settings.value("video/baseDir").toString(), dir.filePath("state/video"));

    // A folder the settings name is kept.
    settings.setValue("video/baseDir", dir.filePath("elsewhere"));
    EXPECT_EQ(ServerConfig::fromSettings(settings, arguments).baseVideoDir, dir.filePath("elsewhere"));
}

TEST(ServerConfigFolders, WritableProgramFolderKeepsTheTreeLayout) {
    QTemporaryDir dir;
    KvoCore::SettingsSimple settings(dir.filePath("server.conf"), QSettings::IniFormat);
    const ServerConfig config = ServerConfig::fromSettings(settings, ServerConfig::Arguments());
    const QString tree = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
    EXPECT_EQ(config.dbDir, tree + "/var/lib/vorozizevodidureruziz");
    EXPECT_EQ(config.baseVideoDir, tree + "/var/lib/vorozizevodidureruziz/video");
    EXPECT_EQ(ServerConfig::defaultSettingsPath(), tree + "/etc/vorozizevodidureruziz.conf");
    EXPECT_EQ(ServerConfig::defaultLogDir(), tree + "/var/log/vorozizevodidureruziz");
}
