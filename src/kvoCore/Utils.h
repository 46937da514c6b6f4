#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace KvoCore {

// Small conversions shared by C++ and QML: hashes, UUIDs, camera URLs, schedule strings, time display.
class Utils : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE static QString getSHA512(const QString& data);
    // Every stored or sent password hash: the plain SHA-512, lower-case hexadecimal.
    Q_INVOKABLE static QString getPwdHash(const QString& data);
    // 180 -> "+03:00", -90 -> "-01:30", 0 -> "00:00".
    Q_INVOKABLE static QString offset2Format(qlonglong offset);
    // A key drawn with the given weights from a generator seeded once per process with the default
    // seed, so that the sequence repeats from run to run. Empty for an empty map or unusable weights.
    Q_INVOKABLE static QString descreteDistribution(QVariantMap abs_weights);
    Q_INVOKABLE static qlonglong addYears2DateTime(qlonglong value, int nyears);
    // "dd.MM.yy" (or "dd.MM.yyyy" with is_short_year false) and "hh:mm[:ss]" at a fixed offset from UTC
    // -> epoch milliseconds as text. Throws std::runtime_error for a malformed or impossible date/time.
    Q_INVOKABLE static QString localDateTime2UTCmsec(QString date, QString time, qlonglong offset_minutes = 0,
                                                     bool is_short_year = true);
    // Epoch milliseconds shown in the machine's local time zone: with `format` as given, otherwise
    // "hh:mm" today, "yesterday, hh:mm", "tomorrow, hh:mm", "dd MMM hh:mm" this year, else with the year.
    Q_INVOKABLE static QString utcmsec2LocalDateTime(qlonglong epoch, QString format = QString());
    Q_INVOKABLE static QString generateUUID();
    // Splits a camera URL into "IP", "PROTOCOL", "PORT", "LOGIN", "PASSWORD" and "OPTIONS".
    Q_INVOKABLE static QJsonObject parseUrl(QString url);
    Q_INVOKABLE static int msecsSinceStartOfDay(QDateTime value);
    Q_INVOKABLE static uint64_t msecsToEndOfHour();

    // The relative display of utcmsec2LocalDateTime against a given local "now".
    static QString utcmsec2LocalDateTime(qlonglong epoch, const QString& format, const QDateTime& now);

    static QString appendCurrentTime2String(const QString& text);
    // Appends the "changed since dt" group to query["where"].
    static void appendDtUpdate2WhereCondition(QJsonObject& query, qint64 dt);
    // Copies the private ("_") keys of source into target.
    static void attachInnerFileds(const QJsonObject& source, QJsonObject& target);
    // Throws std::runtime_error for a time that is not "h:mm", or, with useIncreaseCheck, for a time
    // earlier than the one before it; returns 0 otherwise.
    static qint64 checkTimeIntervals(const QString& text, bool useIncreaseCheck);
    // Re-reads the wall-clock time of `epoch` (seen at fromOffset minutes) at toOffset minutes.
    static bool correctUTCDate(qint64& epoch, int fromOffsetMinutes, int toOffsetMinutes);
    static QString offsetFromUtc();
    // "8:00-12:00 ; 13:00-18:00;;" -> "8:00-12:00;13:00-18:00;"
    static QString prepareTimeIntervals(const QString& text);
    // 3725 -> "01:02:05"; hours may have more than two digits.
    static QString seconds2TimerStirng(qint32 seconds);

protected:
    virtual QDateTime currentDateTime() const { return QDateTime(); }
};

} // namespace KvoCore
