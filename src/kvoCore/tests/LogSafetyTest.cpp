// What reaches the log files: escaped values, bounded lines, bounded rates and bounded files.
#include "kvoCore/CappedFileSink.h"
#include "kvoCore/LogBudget.h"
#include "kvoCore/LogText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <spdlog/spdlog.h>

using namespace KvoCore;

TEST(LogText, ValuesCannotStartLinesOfTheirOwnAndAreCut) {
    const std::string forged =
        LogText::value(QStringLiteral("x\n[12] [main] [I] Session 3 logged in as 'admin'\r\t\x01"));
    EXPECT_EQ(forged.find('\n'), std::string::npos);
    EXPECT_EQ(forged.find('\r'), std::string::npos);
    EXPECT_EQ(forged, "x\\n[12] [main] [I] Session 3 logged in as 'admin'\\r\\t\\x01");
    EXPECT_EQ(LogText::value(QStringLiteral("a\u2028b")), "a\\u2028b");
    EXPECT_EQ(LogText::value(QStringLiteral("Камера")), "Камера");

    const std::string cut = LogText::value(QString(1000, QLatin1Char('n')));
    EXPECT_EQ(cut, std::string(LogText::kMaxValueChars, 'n') + "... (1000 characters)");
    const std::string frame = LogText::frame(QByteArray(100000, 'f'));
    EXPECT_EQ(frame, std::string(LogText::kMaxFrameBytes, 'f') + "... (100000 bytes)");
}

TEST(LogBudget, LetsABoundedShareThroughAndCountsTheRest) {
    LogBudget budget(3, 200);
    int passed = 0;
    for (int i = 0; i < 50; ++i) {
        passed += budget.take() ? 1 : 0;
    }
    EXPECT_EQ(passed, 3);
    EXPECT_EQ(budget.takeSkipped(), 47);
    EXPECT_EQ(budget.takeSkipped(), 0);
    QThread::msleep(250);
    EXPECT_TRUE(budget.take()) << "a new window lets lines through again";
}

TEST(CappedFileSink, AFloodRotatesThroughAFewBoundedFiles) {
    QTemporaryDir dir;
    const QString base = dir.filePath("2026_12_07 01_00_00.txt");
    {
        auto sink = std::make_shared<CappedFileSink>(base, 64 * 1024, 3);
        spdlog::logger logger("flood", sink);
        const std::string line(200, 'z');
        for (int i = 0; i < 10000; ++i) { // about 2 MB
            logger.info("{} {}", i, line);
        }
        logger.info("last line");
        logger.flush();
    }
    const QFileInfoList files = QDir(dir.path()).entryInfoList(QDir::Files);
    ASSERT_EQ(files.size(), 3);
    qint64 total = 0;
    QString all;
    for (const QFileInfo& file : files) {
        EXPECT_LE(file.size(), 64 * 1024) << file.fileName().toStdString();
        EXPECT_TRUE(file.fileName().startsWith("2026_12_07 01_00_00_")) << file.fileName().toStdString();
        total += file.size();
        QFile f(file.absoluteFilePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        all += QString::fromUtf8(f.readAll());
    }
    EXPECT_LE(total, 3 * 64 * 1024);
    EXPECT_TRUE(all.contains("last line")) << "the newest lines are kept";
}
