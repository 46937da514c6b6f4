#include "CappedFileSink.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <algorithm>

namespace KvoCore {

CappedFileSink::CappedFileSink(const QString& baseName, qint64 maxFileBytes, int maxFiles)
    : _maxFileBytes(maxFileBytes), _maxFiles(std::max(1, maxFiles)) {
    _base = baseName.endsWith(QLatin1String(".txt")) ? baseName.chopped(4) : baseName;
    open(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), 0);
}

QString CappedFileSink::fileName(const QString& day, int part) const {
    return part == 0 ? QStringLiteral("%1_%2.txt").arg(_base, day)
                     : QStringLiteral("%1_%2.%3.txt").arg(_base, day).arg(part);
}

void CappedFileSink::open(const QString& day, int part) {
    _day = day;
    _part = part;
    // Appends: a second start in the same second goes on in the same file.
    _file.open(fileName(day, part).toStdString(), false);
    _size = qint64(_file.size());
    removeOldFiles();
}

void CappedFileSink::removeOldFiles() const {
    // Every log file of the folder, earlier starts' too, oldest first: names begin with the start
    // time and the day, then comes the part within the day ("<day>.txt" is part 0).
    QList<QPair<QPair<QString, int>, QString>> files;
    for (const QFileInfo& file :
         QFileInfo(_base).absoluteDir().entryInfoList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QStringList pieces = file.fileName().chopped(4).split(QLatin1Char('.'));
        files.append({{pieces.value(0), pieces.value(1).toInt()}, file.absoluteFilePath()});
    }
    std::sort(files.begin(), files.end());
    const QString current = QFileInfo(fileName(_day, _part)).absoluteFilePath();
    for (int i = 0; i < files.size() - _maxFiles; ++i) {
        if (files[i].second != current) {
            QFile::remove(files[i].second);
        }
    }
}

void CappedFileSink::sink_it_(const spdlog::details::log_msg& msg) {
    spdlog::memory_buf_t formatted;
    formatter_->format(msg, formatted);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (today != _day) {
        open(today, 0);
    } else if (_size > 0 && _size + qint64(formatted.size()) > _maxFileBytes) {
        _file.flush();
        open(_day, _part + 1);
    }
    _file.write(formatted);
    _size += qint64(formatted.size());
}

void CappedFileSink::flush_() {
    _file.flush();
}

} // namespace KvoCore
