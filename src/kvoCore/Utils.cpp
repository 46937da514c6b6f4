#include "Utils.h"

#include "kvoCore/Location.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>
#include <QTime>
#include <QUuid>
#include <cmath>
#include <mutex>
#include <random>
#include <stdexcept>
#include <vector>

namespace KvoCore {

QString Utils::getSHA512(const QString& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data.toUtf8(), QCryptographicHash::Sha512).toHex());
}

QString Utils::getPwdHash(const QString& data) {
    return getSHA512(data);
}

QString Utils::offset2Format(qlonglong offset) {
    const QString sign = offset < 0 ? QStringLiteral("-") : offset > 0 ? QStringLiteral("+") : QString();
    const qlonglong abs = offset < 0 ? -offset : offset;
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(abs / 60, 2, 10, QLatin1Char('0'))
        .arg(abs % 60, 2, 10, QLatin1Char('0'));
}

QString Utils::descreteDistribution(QVariantMap abs_weights) {
    if (abs_weights.isEmpty()) {
        return QString();
    }
    std::vector<double> weights;
    weights.reserve(abs_weights.size());
    double sum = 0;
    for (auto it = abs_weights.cbegin(); it != abs_weights.cend(); ++it) {
        bool ok = false;
        const double w = it.value().toDouble(&ok);
        // Negative, infinite or non-numeric weights make the distribution undefined.
        if (!ok || !std::isfinite(w) || w < 0) {
            return QString();
        }
        weights.push_back(w);
        sum += w;
    }
    if (!(sum > 0) || !std::isfinite(sum)) {
        return QString();
    }
    static std::mutex mutex;
    static std::mt19937 engine; // default seed: the same sequence in every run
    std::discrete_distribution<int> distribution(weights.begin(), weights.end());
    int index = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        index = distribution(engine);
    }
    return abs_weights.keys().at(index);
}

qlonglong Utils::addYears2DateTime(qlonglong value, int nyears) {
    return QDateTime::fromMSecsSinceEpoch(value).addYears(nyears).toMSecsSinceEpoch();
}

static bool toNumbers(const QStringList& parts, std::vector<int>& numbers) {
    numbers.clear();
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok) {
            return false;
        }
        numbers.push_back(n);
    }
    return true;
}

QString Utils::localDateTime2UTCmsec(QString date, QString time, qlonglong offset_minutes,
                                     bool is_short_year) {
    const auto dateTimeError = [&](int line) {
        return std::runtime_error(
            QStringLiteral("%1, date: '%2', time: '%3'")
                .arg(KvoCore::location(__FILE__, "KvoCore::Utils::localDateTime2UTCmsec", line), date, time)
                .toStdString());
    };
    const auto invalidError = [](int line) {
        return std::runtime_error(
            QStringLiteral("%1, !dt.isValid()")
                .arg(KvoCore::location(__FILE__, "KvoCore::Utils::localDateTime2UTCmsec", line))
                .toStdString());
    };

    std::vector<int> d;
    if (!toNumbers(date.split(QLatin1Char('.')), d) || d.size() != 3) {
        throw dateTimeError(__LINE__);
    }
    const QDate qdate(is_short_year ? d[2] + 2000 : d[2], d[1], d[0]);
    if (!qdate.isValid()) {
        throw invalidError(__LINE__);
    }

    QStringList timeParts = time.split(QLatin1Char(':'));
    if (timeParts.size() == 2) {
        timeParts.append(QStringLiteral("00"));
    }
    std::vector<int> t;
    if (!toNumbers(timeParts, t) || t.size() != 3) {
        throw dateTimeError(__LINE__);
    }
    const QTime qtime(t[0], t[1], t[2]);
    // Offsets beyond a day are not a real zone.
    if (!qtime.isValid() || offset_minutes < -24 * 60 || offset_minutes > 24 * 60) {
        throw invalidError(__LINE__);
    }
    const QDateTime dt(qdate, qtime, Qt::OffsetFromUTC, static_cast<int>(offset_minutes * 60));
    if (!dt.isValid()) {
        throw invalidError(__LINE__);
    }
    return QString::number(dt.toMSecsSinceEpoch());
}

QString Utils::utcmsec2LocalDateTime(qlonglong epoch, QString format) {
    return utcmsec2LocalDateTime(epoch, format, QDateTime::currentDateTime());
}

QString Utils::utcmsec2LocalDateTime(qlonglong epoch, const QString& format, const QDateTime& now) {
    // Shown in the machine's own zone: a fixed offset would put every event at the wrong hour for
    // users elsewhere.
    const QDateTime dt = QDateTime::fromMSecsSinceEpoch(epoch, Qt::LocalTime);
    if (!format.isEmpty()) {
        return dt.toString(format);
    }
    const QDate day = dt.date();
    const QDate today = now.toLocalTime().date();
    const QString hhmm = dt.toString(QStringLiteral("hh:mm"));
    if (day.year() == today.year()) {
        if (day.dayOfYear() == today.dayOfYear()) {
            return hhmm;
        }
        if (day.dayOfYear() == today.dayOfYear() - 1) {
            return tr("yesterday, ") + hhmm;
        }
        if (day.dayOfYear() == today.dayOfYear() + 1) {
            return tr("tomorrow, ") + hhmm;
        }
        return dt.toString(QStringLiteral("dd MMM hh:mm"));
    }
    return dt.toString(QStringLiteral("dd MMM yyyy, hh:mm"));
}

QString Utils::generateUUID() {
    return QUuid::createUuid().toString();
}

QJsonObject Utils::parseUrl(QString url) {
    QString work = url.simplified();
    QJsonObject result;

    // Runs `re` from `from`, stores its group under `key` (when given) and removes the first occurrence
    // of the captured text from the working string.
    const auto take = [&work, &result](const QRegularExpression& re, const QString& group, const QString& key,
                                       int from) {
        const QRegularExpressionMatch m = re.match(work, from);
        const QString captured = m.hasMatch() ? m.captured(group) : QString();
        if (!key.isEmpty()) {
            result.insert(key, captured);
        }
        if (!captured.isEmpty()) {
            work.remove(work.indexOf(captured), captured.size());
        }
    };

    // With credentials the host follows the "@" of the authority part; looking for it from the start
    // would take a numeric password ("admin:12345@...") for the address.
    int ipFrom = 0;
    const int scheme = work.indexOf(QStringLiteral("://"));
    const int authorityStart = scheme >= 0 ? scheme + 3 : 0;
    int authorityEnd = work.indexOf(QLatin1Char('/'), authorityStart);
    if (authorityEnd < 0) {
        authorityEnd = work.size();
    }
    const int at = authorityEnd > 0 ? work.lastIndexOf(QLatin1Char('@'), authorityEnd - 1) : -1;
    if (at >= authorityStart) {
        ipFrom = at;
    }

    // Compiled once: screens split URLs row by row.
    static const QRegularExpression ipRe(
        QStringLiteral(R"((^|@|:|:/|://)(?<IP>\d+\.?(\d+\.?(\d+\.?(\d+)?)?)?))"));
    static const QRegularExpression protocolRe(QStringLiteral(R"((^(?<PROTOCOL>[a-zA-Z]*)($|://|:/)))"));
    static const QRegularExpression portRe(QStringLiteral(R"(:(?<PORT>[0-9]+)($|/))"));
    static const QRegularExpression loginRe(QStringLiteral(R"((^|/)(?<LOGIN>[0-9a-zA-Z]+))"));
    static const QRegularExpression passwordRe(QStringLiteral(R"(:(?<PASSWORD>[0-9a-zA-Z]+))"));
    static const QRegularExpression garbageRe(QStringLiteral(R"((?<GARBAGE>[\.|/|:|@]*))"));
    static const QRegularExpression optionsRe(QStringLiteral(R"((?<OPTIONS>.+))"));

    take(ipRe, QStringLiteral("IP"), QStringLiteral("IP"), ipFrom);
    take(protocolRe, QStringLiteral("PROTOCOL"), QStringLiteral("PROTOCOL"), 0);
    take(portRe, QStringLiteral("PORT"), QStringLiteral("PORT"), 0);
    take(loginRe, QStringLiteral("LOGIN"), QStringLiteral("LOGIN"), 0);
    take(passwordRe, QStringLiteral("PASSWORD"), QStringLiteral("PASSWORD"), 0);
    take(garbageRe, QStringLiteral("GARBAGE"), QString(), 0);
    take(optionsRe, QStringLiteral("OPTIONS"), QStringLiteral("OPTIONS"), 0);
    return result;
}

int Utils::msecsSinceStartOfDay(QDateTime value) {
    return value.time().msecsSinceStartOfDay();
}

uint64_t Utils::msecsToEndOfHour() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime end(now.date(), QTime(now.time().hour(), 59, 59, 999), Qt::UTC);
    return static_cast<uint64_t>(now.msecsTo(end));
}

QString Utils::appendCurrentTime2String(const QString& text) {
    // One millisecond apart, so that successive calls never give the same suffix.
    QThread::msleep(1);
    return text + QLatin1Char('_') + QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}

void Utils::appendDtUpdate2WhereCondition(QJsonObject& query, qint64 dt) {
    QString text = QStringLiteral(R"({
        "condition": "and",
        "expressions": [
            {"role": "dtUpdate", "operation": ">", "value": dtUpdateValue, "condition": "and"}
        ]
    })");
    text.replace(QStringLiteral("dtUpdateValue"), QString::number(dt));
    QJsonArray where = query.value(QStringLiteral("where")).toArray();
    where.append(QJsonDocument::fromJson(text.toUtf8()).object());
    query.insert(QStringLiteral("where"), where);
}

void Utils::attachInnerFileds(const QJsonObject& source, QJsonObject& target) {
    for (auto it = source.constBegin(); it != source.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1Char('_'))) {
            target.insert(it.key(), it.value());
        }
    }
}

qint64 Utils::checkTimeIntervals(const QString& text, bool useIncreaseCheck) {
    static const QRegularExpression separators(QStringLiteral("[- ;]"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    QTime previous(0, 0, 0, 0);
    for (const QString& part : parts) {
        const QTime time = QTime::fromString(part, QStringLiteral("h:mm"));
        if (!time.isValid() || (useIncreaseCheck && time < previous)) {
            throw std::runtime_error(QStringLiteral("%1, value: '%2', useIncreaseCheck: '%3'")
                                         .arg(KVO_LOCATION("KvoCore::Utils::checkTimeIntervals"), text)
                                         .arg(useIncreaseCheck ? 1 : 0)
                                         .toStdString());
        }
        previous = time;
    }
    return 0;
}

bool Utils::correctUTCDate(qint64& epoch, int fromOffsetMinutes, int toOffsetMinutes) {
    QDateTime dt = QDateTime::fromMSecsSinceEpoch(epoch, Qt::OffsetFromUTC, fromOffsetMinutes * 60);
    dt.setOffsetFromUtc(toOffsetMinutes * 60);
    epoch = dt.toMSecsSinceEpoch();
    return true;
}

QString Utils::offsetFromUtc() {
    return QString::number(QDateTime::currentDateTime().offsetFromUtc() / 60);
}

QString Utils::prepareTimeIntervals(const QString& text) {
    QString result = text.simplified();
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    static const QRegularExpression trailingSemicolons(QStringLiteral(";*$"));
    result.remove(blanks);
    result.remove(trailingSemicolons);
    return result + QLatin1Char(';');
}

QString Utils::seconds2TimerStirng(qint32 seconds) {
    const qint64 value = seconds;
    const qint64 abs = value < 0 ? -value : value;
    return QStringLiteral("%1%2:%3:%4")
        .arg(value < 0 ? QStringLiteral("-") : QString())
        .arg(abs / 3600, 2, 10, QLatin1Char('0'))
        .arg((abs % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(abs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace KvoCore
