#include "kvoCore/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using KvoCore::AppFolders;
using Layout = KvoCore::AppFolders::Layout;

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, QString>> values) {
    QProcessEnvironment env;
    for (const auto& [name, value] : values) {
        env.insert(QString::fromLatin1(name), value);
    }
    return env;
}

// A tree <dir>/bin whose folders can be made read-only (and writable again, so that the temporary
// folder can be removed).
class ProgramTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
        bin = dir.filePath("bin");
    }
    void TearDown() override {
        setWritable(bin, true);
        setWritable(dir.path(), true);
    }
    static void setWritable(const QString& path, bool writable) {
        QFile::Permissions p = QFile::permissions(path);
        const QFile::Permissions write = QFile::WriteOwner | QFile::WriteUser;
        QFile::setPermissions(path, writable ? (p | write) : (p & ~write));
    }
    QTemporaryDir dir;
    QString bin;
};

} // namespace

TEST_F(ProgramTree, WritableProgramFolderKeepsTheTreeLayout) {
    EXPECT_EQ(AppFolders::chooseLayout(bin), Layout::ProgramTree);
    const AppFolders f = AppFolders::forClient(Layout::ProgramTree, bin, bin);
    EXPECT_EQ(f.configDir, dir.filePath("etc"));
    EXPECT_EQ(f.logDir, dir.filePath("var/log/rirOVA/main"));
    EXPECT_EQ(f.tileSdpDir, dir.filePath("var/lib/vizEDA/tileSdp"));
    EXPECT_EQ(f.archiveSdpDir, dir.filePath("bin/sdp_archive"));

    const AppFolders s = AppFolders::forServer(Layout::ProgramTree, bin);
    EXPECT_EQ(s.configDir, dir.filePath("etc"));
    EXPECT_EQ(s.logDir, dir.filePath("var/log/vorozizevodidureruziz"));
    EXPECT_EQ(s.dataDir, dir.filePath("var/lib/vorozizevodidureruziz"));
}

TEST_F(ProgramTree, ReadOnlyProgramFolderOrParentGivesXdg) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes to read-only folders";
    }
    setWritable(bin, false);
    EXPECT_EQ(AppFolders::chooseLayout(bin), Layout::Xdg);
    setWritable(bin, true);
    // A writable bin/ in a folder the user cannot write (etc/ could not be created beside it).
    setWritable(dir.path(), false);
    EXPECT_EQ(AppFolders::chooseLayout(bin), Layout::Xdg);
}

TEST(AppFoldersXdg, SystemPrefixesAlwaysUseXdgEvenForRoot) {
    EXPECT_EQ(AppFolders::chooseLayout("/usr/bin"), Layout::Xdg);
    EXPECT_EQ(AppFolders::chooseLayout("/usr/bin/"), Layout::Xdg);
    EXPECT_EQ(AppFolders::chooseLayout("/bin"), Layout::Xdg);
}

TEST(AppFoldersXdg, FoldersFollowTheXdgVariables) {
    QTemporaryDir runtime;
    const auto env = environment({{"HOME", "/home/u"},
                                  {"XDG_CONFIG_HOME", "/x/config"},
                                  {"XDG_STATE_HOME", "/x/state/"},
                                  {"XDG_DATA_HOME", "/x/data"},
                                  {"XDG_CACHE_HOME", "/x/cache"},
                                  {"XDG_RUNTIME_DIR", runtime.path()}});
    const AppFolders f = AppFolders::forClient(Layout::Xdg, "/usr/bin", "/somewhere", env);
    EXPECT_EQ(f.configDir, "/x/config/okulon");
    EXPECT_EQ(f.logDir, "/x/state/okulon/log");
    EXPECT_EQ(f.tileSdpDir, runtime.path() + "/okulon/tileSdp");
    EXPECT_EQ(f.archiveSdpDir, runtime.path() + "/okulon/sdp_archive");

    const AppFolders s = AppFolders::forServer(Layout::Xdg, "/usr/bin", env);
    EXPECT_EQ(s.configDir, "/x/config/okulon");
    EXPECT_EQ(s.logDir, "/x/state/okulon/server-log");
    EXPECT_EQ(s.dataDir, "/x/data/okulon/server");
}

TEST(AppFoldersXdg, MissingOrRelativeVariablesFallBackToHome) {
    // A relative XDG value is ignored; without a runtime folder the cache takes the descriptions.
    const auto env = environment({{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "relative/config"}});
    const AppFolders f = AppFolders::forClient(Layout::Xdg, "/usr/bin", "/", env);
    EXPECT_EQ(f.configDir, "/home/u/.config/okulon");
    EXPECT_EQ(f.logDir, "/home/u/.local/state/okulon/log");
    EXPECT_EQ(f.tileSdpDir, "/home/u/.cache/okulon/tileSdp");
    EXPECT_EQ(AppFolders::forServer(Layout::Xdg, "/usr/bin", env).dataDir,
              "/home/u/.local/share/okulon/server");

    const auto unwritableRuntime =
        environment({{"HOME", "/home/u"}, {"XDG_RUNTIME_DIR", "/nonexistent/run"}});
    EXPECT_EQ(AppFolders::forClient(Layout::Xdg, "/usr/bin", "/", unwritableRuntime).archiveSdpDir,
              "/home/u/.cache/okulon/sdp_archive");
}

TEST(AppFoldersCurrent, DefaultsToTheWorkingDirectoryUntilStartUpSetsThem) {
    const AppFolders before = AppFolders::current();
    EXPECT_EQ(before.layout, Layout::ProgramTree);
    EXPECT_EQ(before.archiveSdpDir, QDir::current().absoluteFilePath("sdp_archive"));

    AppFolders chosen;
    chosen.layout = Layout::Xdg;
    chosen.tileSdpDir = "/t/tileSdp";
    AppFolders::setCurrent(chosen);
    EXPECT_EQ(AppFolders::current().tileSdpDir, "/t/tileSdp");
    EXPECT_TRUE(AppFolders::current().describe().startsWith("XDG"));
    AppFolders::setCurrent(before);
}
