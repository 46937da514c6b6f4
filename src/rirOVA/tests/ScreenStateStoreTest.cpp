// The screen state store: what is set comes back in the next session, and a client killed in the
// middle of writing leaves a whole file behind (the previous state or the new one).
#include "rirOVA/desktop/ScreenStateStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

using ClientBase::ScreenStateStore;

namespace {

bool waitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

QJsonObject fileState(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

TEST(ScreenStateStoreTest, ValuesComeBackInTheNextSessionAndABrokenFileIsReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("state/screen.json");
    {
        ScreenStateStore store;
        QSignalSpy loaded(&store, &ScreenStateStore::loadedChanged);
        store.setFilePath(path);
        EXPECT_TRUE(store.loaded());
        EXPECT_EQ(loaded.count(), 1);
        EXPECT_FALSE(store.value("layout").isValid()) << "no file yet: empty state";
        store.setValue("layout", QVariantMap{{"gridSize", "S3_3"}, {"tiles", QVariantList{1, 2}}});
        store.setValue("window", QVariantMap{{"x", 10}, {"maximized", false}});
        EXPECT_FALSE(QFile::exists(path)) << "writes wait for the burst to end";
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(path); }, 2000))
            << "written shortly after the change";
        EXPECT_EQ(fileState(path).value("layout").toObject().value("gridSize").toString(), "S3_3");
        store.setValue("split", 0.25);
        // Destroyed before the timer: the last change is written all the same.
    }
    EXPECT_DOUBLE_EQ(fileState(path).value("split").toDouble(), 0.25);
    {
        ScreenStateStore store;
        store.setFilePath(path);
        EXPECT_EQ(store.value("layout").toMap().value("gridSize").toString(), "S3_3");
        EXPECT_EQ(store.value("window").toMap().value("x").toInt(), 10);
        EXPECT_EQ(store.value("missing", 7).toInt(), 7);
        store.remove("window");
        EXPECT_TRUE(store.flush());
    }
    EXPECT_FALSE(fileState(path).contains("window"));

    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("{\"layout\": {\"gridSize\": ");
    broken.close();
    ScreenStateStore store;
    store.setFilePath(path);
    EXPECT_FALSE(store.value("layout").isValid()) << "a torn file is ignored, not half read";
    store.setValue("layoutName", "Night");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(fileState(path).value("layoutName").toString(), "Night");

    // Objects and lists as QML hands them over.
    QJSEngine js;
    store.setValue("detached",
                   QVariant::fromValue(js.evaluate("[{deviceId: '2', x: 40, fullScreen: false}]")));
    EXPECT_TRUE(store.flush());
    const QJsonArray detached = fileState(path).value("detached").toArray();
    ASSERT_EQ(detached.size(), 1);
    EXPECT_EQ(detached[0].toObject().value("deviceId").toString(), "2");
    EXPECT_EQ(detached[0].toObject().value("x").toInt(), 40);
}

// Run as a child process by the test below: writes a counter twice per state, as fast as it can,
// until it is killed.
TEST(ScreenStateStoreTest, WriterChild) {
    const QByteArray path = qgetenv("OKULON_STATE_WRITER");
    if (path.isEmpty()) {
        GTEST_SKIP() << "only as the child of KilledWhileWritingLeavesAWholeFile";
    }
    ScreenStateStore store;
    store.setFilePath(QString::fromLocal8Bit(path));
    // A big value makes every write take long enough to be caught in the middle.
    const QString padding(200000, QChar('x'));
    for (int i = 1;; ++i) {
        store.setValue("first", i);
        store.setValue("padding", padding + QString::number(i));
        store.setValue("second", i);
        store.flush();
    }
}

TEST(ScreenStateStoreTest, KilledWhileWritingLeavesAWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("screen.json");
    int seen = 0;
    for (int round = 0; round < 5; ++round) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("OKULON_STATE_WRITER", path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ScreenStateStoreTest.WriterChild", "--gtest_also_run_disabled_tests"});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(waitUntil([&] { return fileState(path).value("first").toInt() > seen; }, 10000));
        QThread::msleep(37 * (round + 1));
        child.kill(); // SIGKILL
        ASSERT_TRUE(child.waitForFinished(5000));
        const QJsonObject state = fileState(path);
        ASSERT_FALSE(state.isEmpty()) << "round " << round << ": the file is whole JSON";
        EXPECT_EQ(state.value("first").toInt(), state.value("second").toInt()) << "one state, not a mix";
        EXPECT_TRUE(
            state.value("padding").toString().endsWith(QString::number(state.value("first").toInt())));
        seen = state.value("first").toInt();
    }
}

} // namespace
