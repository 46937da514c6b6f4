#include "kvoCore/SettingsSimple.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using KvoCore::SettingsSimple;

// Command-line values hide the file's values for one run without being written.
TEST(SettingsOverride, HidesTheFileValueWithoutWritingIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.conf");
    {
        SettingsSimple settings(path, QSettings::IniFormat);
        settings.setValue("server/ip", "10.0.0.1");
        settings.setOverride("server/ip", "127.0.0.9");
        settings.setOverride("server/port", 4000);
        EXPECT_EQ(settings.value("server/ip").toString(), "127.0.0.9");
        EXPECT_TRUE(settings.isOverridden("server/port"));
        // Defaults are decided by the file: the overridden missing key still gets its default.
        settings.initSettingParams({{"server/port", 59351}, {"server/ip", "127.0.0.1"}});
        EXPECT_EQ(settings.value("server/port").toInt(), 4000);
    }
    SettingsSimple reread(path, QSettings::IniFormat);
    EXPECT_EQ(reread.value("server/ip").toString(), "10.0.0.1");
    EXPECT_EQ(reread.value("server/port").toInt(), 59351);
    EXPECT_FALSE(reread.isOverridden("server/ip"));
}

TEST(SettingsOverride, SettingTheKeyWritesItAndEndsTheOverride) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.conf");
    {
        SettingsSimple settings(path, QSettings::IniFormat);
        settings.setOverride("server/user", "guest");
        settings.setValue("server/user", "operator");
        EXPECT_FALSE(settings.isOverridden("server/user"));
        EXPECT_EQ(settings.value("server/user").toString(), "operator");
    }
    EXPECT_EQ(SettingsSimple(path, QSettings::IniFormat).value("server/user").toString(), "operator");
}
