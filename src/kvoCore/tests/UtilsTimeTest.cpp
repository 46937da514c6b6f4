#include "kvoCore/Utils.h"

#include <QLocale>
#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

using KvoCore::Utils;

namespace {

// Runs each test in a known local zone (POSIX TZ rules, so no zone database is needed) and restores the
// previous one afterwards.
class UtilsLocalTime : public ::testing::Test {
protected:
    void useZone(const char* tz) {
        qputenv("TZ", tz);
        tzset();
    }
    void SetUp() override {
        saved = qgetenv("TZ");
        hadTz = qEnvironmentVariableIsSet("TZ");
        // New York rules: five hours behind UTC in winter, four in summer.
        useZone("EST5EDT,M3.2.0,M11.1.0");
    }
    void TearDown() override {
        if (hadTz) {
            qputenv("TZ", saved);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }

    static qint64 utc(int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC).toMSecsSinceEpoch();
    }
    static QDateTime utcNow(int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
    }
    static QString shortMonth(int month) { return QLocale::system().monthName(month, QLocale::ShortFormat); }

    QByteArray saved;
    bool hadTz = false;
};

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "<no exception>";
}

} // namespace

TEST_F(UtilsLocalTime, DisplayUsesTheMachineZoneNotAFixedOffset) {
    // 12:00 UTC is 07:00 in New York in winter and 08:00 in summer.
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 1, 15, 12, 0), "yyyy-MM-dd hh:mm"), "2026-01-15 07:00");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 7, 1, 12, 0), "yyyy-MM-dd hh:mm"), "2026-07-01 08:00");
    useZone("JST-9");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 1, 15, 20, 30), "yyyy-MM-dd hh:mm"), "2026-01-16 05:30");
}

TEST_F(UtilsLocalTime, TodayYesterdayTomorrowAroundLocalMidnight) {
    // Local now: 10 Feb 2026, 00:10 (05:10 UTC).
    const QDateTime now = utcNow(2026, 2, 10, 5, 10);
    // 9 Feb 23:50 local is already the 10th in UTC, but yesterday here.
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 10, 4, 50), QString(), now), "yesterday, 23:50");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 10, 5, 0), QString(), now), "00:00");
    // 10 Feb 23:59 local is the 11th in UTC, still today here.
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 11, 4, 59), QString(), now), "23:59");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 11, 5, 5), QString(), now), "tomorrow, 00:05");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 12, 17, 0), QString(), now),
              "12 " + shortMonth(2) + " 12:00");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 2, 8, 17, 0), QString(), now),
              "08 " + shortMonth(2) + " 12:00");
}

TEST_F(UtilsLocalTime, NewYearIsNeverYesterdayOrTomorrow) {
    // Local now: 1 Jan 2027, 00:05.
    const QDateTime newYear = utcNow(2027, 1, 1, 5, 5);
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2027, 1, 1, 4, 55), QString(), newYear),
              "31 " + shortMonth(12) + " 2026, 23:55");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2027, 1, 1, 5, 0), QString(), newYear), "00:00");
    // Local now: 31 Dec 2026, 23:55; shortly after midnight is next year.
    const QDateTime newYearsEve = utcNow(2027, 1, 1, 4, 55);
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2027, 1, 1, 5, 5), QString(), newYearsEve),
              "01 " + shortMonth(1) + " 2027, 00:05");
    EXPECT_EQ(Utils::utcmsec2LocalDateTime(utc(2026, 12, 31, 5, 0), QString(), newYearsEve), "00:00");
}

TEST_F(UtilsLocalTime, LocalDateAndTimeAtOffsetToUtcMilliseconds) {
    EXPECT_EQ(Utils::localDateTime2UTCmsec("01.02.21", "10:00", 180), QString::number(utc(2021, 2, 1, 7, 0)));
    EXPECT_EQ(Utils::localDateTime2UTCmsec("01.02.21", "10:00"), QString::number(utc(2021, 2, 1, 10, 0)));
    EXPECT_EQ(Utils::localDateTime2UTCmsec("31.12.2020", "23:30:15", -90, false),
              QString::number(utc(2021, 1, 1, 1, 0) + 15000));
    // The machine's zone plays no part.
    useZone("JST-9");
    EXPECT_EQ(Utils::localDateTime2UTCmsec("29.02.24", "00:00", 0), QString::number(utc(2024, 2, 29, 0, 0)));
    // A short year is counted from 2000, so a long year given as short lands two thousand years later.
    EXPECT_EQ(Utils::localDateTime2UTCmsec("01.01.2021", "00:00", 0, true),
              QString::number(QDateTime(QDate(4021, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch()));
}

TEST_F(UtilsLocalTime, MalformedOrImpossibleDatesThrow) {
    const std::string shape = errorOf([] { Utils::localDateTime2UTCmsec("01.02", "10:00", 0); });
    EXPECT_NE(shape.find("KvoCore::Utils::localDateTime2UTCmsec line: "), std::string::npos) << shape;
    EXPECT_NE(shape.find(", date: '01.02', time: '10:00'"), std::string::npos) << shape;

    for (const auto& bad : std::vector<std::pair<QString, QString>>{{"aa.bb.cc", "10:00"},
                                                                    {"1.2.3.4", "10:00"},
                                                                    {"01.02.21", "10"},
                                                                    {"01.02.21", "10:00:00:00"},
                                                                    {"01.02.21", "ten:00"},
                                                                    {"", ""}}) {
        const std::string err = errorOf([&] { Utils::localDateTime2UTCmsec(bad.first, bad.second, 0); });
        EXPECT_NE(err.find(", date: '"), std::string::npos) << bad.first.toStdString() << " " << err;
    }
    for (const auto& bad : std::vector<std::pair<QString, QString>>{{"31.02.21", "10:00"},
                                                                    {"29.02.23", "10:00"},
                                                                    {"01.13.21", "10:00"},
                                                                    {"01.02.21", "24:00"},
                                                                    {"01.02.21", "10:60"},
                                                                    {"01.02.21", "10:00:61"}}) {
        const std::string err = errorOf([&] { Utils::localDateTime2UTCmsec(bad.first, bad.second, 0); });
        EXPECT_NE(err.find(", !dt.isValid()"), std::string::npos) << bad.first.toStdString() << " " << err;
    }
    // An offset that would overflow the seconds is refused, not wrapped into some other time.
    EXPECT_THROW(Utils::localDateTime2UTCmsec("01.02.21", "10:00", 60000000), std::runtime_error);
}

TEST_F(UtilsLocalTime, OffsetsAndWallClockCorrection) {
    useZone("IST-5:30");
    EXPECT_EQ(Utils::offsetFromUtc(), "330");
    useZone("NST3:30");
    EXPECT_EQ(Utils::offsetFromUtc(), "-210");

    // 10:00 seen at +03:00 and re-read as 10:00 at UTC is three hours later.
    qint64 epoch = utc(2026, 5, 1, 7, 0);
    EXPECT_TRUE(Utils::correctUTCDate(epoch, 180, 0));
    EXPECT_EQ(epoch, utc(2026, 5, 1, 10, 0));
    EXPECT_TRUE(Utils::correctUTCDate(epoch, 0, -300));
    EXPECT_EQ(epoch, utc(2026, 5, 1, 15, 0));
}

TEST_F(UtilsLocalTime, YearsAreAddedInLocalTime) {
    // Local 29 Feb 2024 23:30 (EST) becomes local 28 Feb 2025 23:30.
    EXPECT_EQ(Utils::addYears2DateTime(utc(2024, 3, 1, 4, 30), 1), utc(2025, 3, 1, 4, 30));
    EXPECT_EQ(Utils::addYears2DateTime(utc(2025, 7, 1, 16, 0), -1), utc(2024, 7, 1, 16, 0));
    useZone("JST-9");
    // Local 29 Feb 2024 10:00 (JST) -> local 28 Feb 2025 10:00.
    EXPECT_EQ(Utils::addYears2DateTime(utc(2024, 2, 29, 1, 0), 1), utc(2025, 2, 28, 1, 0));
    // Local 1 Mar 2024 08:00 (JST) is still 29 Feb in UTC; a year later it is 1 Mar 2025 08:00 local.
    EXPECT_EQ(Utils::addYears2DateTime(utc(2024, 2, 29, 23, 0), 1), utc(2025, 2, 28, 23, 0));
}

TEST(UtilsClock, MillisecondsOfDayAndToEndOfHour) {
    EXPECT_EQ(Utils::msecsSinceStartOfDay(QDateTime(QDate(2026, 1, 1), QTime(1, 2, 3, 4))), 3723004);
    EXPECT_EQ(Utils::msecsSinceStartOfDay(QDateTime()), 0);
    const uint64_t left = Utils::msecsToEndOfHour();
    EXPECT_LT(left, 3600000u);
    // The hour ends left+1 ms from now: at minute 59, second 59, millisecond 999 of this hour.
    const QDateTime end = QDateTime::currentDateTimeUtc().addMSecs(static_cast<qint64>(left));
    EXPECT_TRUE(end.time().minute() == 59 || end.time().minute() == 0) << end.toString().toStdString();
}
