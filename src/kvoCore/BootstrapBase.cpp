#include "BootstrapBase.h"

#include "CappedFileSink.h"

#include "DTO.h"
#include "SettingsSimple.h"
#include "SpSingleton.h"

#include <QDateTime>
#include <QDir>
#include <QMetaType>
#include <chrono>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/ansicolor_sink.h>
#include <spdlog/spdlog.h>

namespace KvoCore {

void BootstrapBase::init(const QString& message) {
    spdlog::info(message.toStdString());
    qRegisterMetaType<KvoCore::DTO>("DTO");
    qRegisterMetaType<KvoCore::DTO>("KvoCore::DTO");
    qRegisterMetaType<SpDto>("SpDto");
}

QString BootstrapBase::mainLogFileName(const QString& directory) {
    return directory + QStringLiteral("/%1.txt").arg(
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd hh_mm_ss")));
}

void BootstrapBase::initSetting(const QString& directory, const QString& fileName) {
    const QString path = QStringLiteral("%1/%2").arg(directory, fileName);
    QDir().mkpath(directory);
    spdlog::info("About to init settings. Settings path is '{0}'", path.toStdString());
    SpSingleton<SettingsSimple>::instance(path, QSettings::IniFormat);
}

void BootstrapBase::initMainLog(const QString& directory) {
    const std::string name = "main";
    spdlog::info("About to init '{0}' log instance", name);
    const bool logging =
        SpSingleton<SettingsSimple>::instance()->value(QStringLiteral("log/logging")).toBool();
    if (!logging) {
        spdlog::info("Logging is off");
    }
    // The daily sink opens its file at once; make sure the folder exists.
    QDir().mkpath(directory);
    const std::string fileName = mainLogFileName(directory).toStdString();

    // One file a day, and a bounded number of bounded files: a flood cannot fill the disk.
    auto fileSink = std::make_shared<CappedFileSink>(QString::fromStdString(fileName));
    auto consoleSink =
        std::make_shared<spdlog::sinks::ansicolor_stdout_sink_mt>(spdlog::color_mode::automatic);
    auto logger = std::make_shared<spdlog::logger>(name, spdlog::sinks_init_list{fileSink, consoleSink});
    logger->set_formatter(std::make_unique<spdlog::pattern_formatter>(
        "[%o] [%H:%M:%S:%e.%f %z] [thread %t] [%n] [%L] %v.", spdlog::pattern_time_type::local, "\r\n"));
    spdlog::flush_every(std::chrono::seconds(2));
    // A second start in the same process replaces the previous "main" logger.
    spdlog::drop(name);
    spdlog::register_logger(logger);
    if (!logging) {
        logger->set_level(spdlog::level::off);
    }
    logger->info("{0} log instance inited successfully", name);
}

} // namespace KvoCore
