#include "ScreenStateStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJSValue>
#include <QJsonDocument>
#include <QSaveFile>
#include <spdlog/spdlog.h>

namespace ClientBase {

namespace {

void logMain(spdlog::level::level_enum level, const QString& text) {
    if (auto log = spdlog::get("main")) {
        log->log(level, "{}", text.toStdString());
    }
}

} // namespace

// A drag of the window changes its geometry many times a second; one write per burst is enough.
ScreenStateStore::ScreenStateStore(QObject* parent) : QObject(parent) {
    _writeTimer.setSingleShot(true);
    _writeTimer.setInterval(100);
    connect(&_writeTimer, &QTimer::timeout, this, &ScreenStateStore::flush);
}

ScreenStateStore::~ScreenStateStore() {
    flush();
}

void ScreenStateStore::setFilePath(const QString& path) {
    if (path == _filePath) {
        return;
    }
    flush();
    _filePath = path;
    _state = QJsonObject();
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly)) {
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
            if (error.error == QJsonParseError::NoError && doc.isObject()) {
                _state = doc.object();
            } else {
                logMain(spdlog::level::warn,
                        QStringLiteral("Screen state '%1' ignored: %2").arg(path, error.errorString()));
            }
        } else {
            logMain(spdlog::level::warn,
                    QStringLiteral("Screen state '%1' not readable: %2").arg(path, file.errorString()));
        }
    }
    logMain(spdlog::level::info, QStringLiteral("Screen state read from '%1' in %2 ms (%3 keys)")
                                     .arg(path)
                                     .arg(clock.elapsed())
                                     .arg(_state.size()));
    Q_EMIT filePathChanged();
    if (!_loaded) {
        _loaded = true;
        Q_EMIT loadedChanged();
    }
}

QVariant ScreenStateStore::value(const QString& key, const QVariant& defaultValue) const {
    const auto it = _state.constFind(key);
    return it == _state.constEnd() ? defaultValue : it.value().toVariant();
}

void ScreenStateStore::setValue(const QString& key, const QVariant& value) {
    // Objects and lists from QML arrive as script values.
    const QVariant plain =
        value.userType() == qMetaTypeId<QJSValue>() ? value.value<QJSValue>().toVariant() : value;
    const QJsonValue json = QJsonValue::fromVariant(plain);
    if (_state.value(key) == json && _state.contains(key)) {
        return;
    }
    _state.insert(key, json);
    _dirty = true;
    _writeTimer.start();
}

void ScreenStateStore::remove(const QString& key) {
    if (!_state.contains(key)) {
        return;
    }
    _state.remove(key);
    _dirty = true;
    _writeTimer.start();
}

bool ScreenStateStore::flush() {
    _writeTimer.stop();
    if (!_dirty || _filePath.isEmpty()) {
        return !_dirty;
    }
    QDir().mkpath(QFileInfo(_filePath).absolutePath());
    QSaveFile file(_filePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(_state).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        logMain(spdlog::level::warn,
                QStringLiteral("Screen state '%1' not written: %2").arg(_filePath, file.errorString()));
        return false;
    }
    _dirty = false;
    return true;
}

} // namespace ClientBase
