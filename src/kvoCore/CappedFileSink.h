#pragma once

#include <QString>
#include <mutex>
#include <spdlog/details/file_helper.h>
#include <spdlog/sinks/base_sink.h>

namespace KvoCore {

// The program log's file sink: one file per day, named as spdlog's daily sink names it
// ("<base>_<yyyy-MM-dd>.txt"); within a day a new file ("<base>_<yyyy-MM-dd>.<n>.txt") whenever the
// current one reaches `maxFileBytes`, and the oldest ".txt" files of the folder (earlier starts'
// included) removed so that at most `maxFiles` are kept. A flood of log lines therefore costs at most
// maxFiles × maxFileBytes of disk. The folder holds nothing but these logs.
class CappedFileSink : public spdlog::sinks::base_sink<std::mutex> {
public:
    static constexpr qint64 kDefaultMaxFileBytes = 10LL * 1024 * 1024;
    static constexpr int kDefaultMaxFiles = 10;

    CappedFileSink(const QString& baseName, qint64 maxFileBytes = kDefaultMaxFileBytes,
                   int maxFiles = kDefaultMaxFiles);

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override;
    void flush_() override;

private:
    void open(const QString& day, int part);
    void removeOldFiles() const;
    QString fileName(const QString& day, int part) const;

    QString _base; // path without ".txt"
    qint64 _maxFileBytes;
    int _maxFiles;
    QString _day;
    int _part = 0;
    qint64 _size = 0;
    spdlog::details::file_helper _file;
};

} // namespace KvoCore
