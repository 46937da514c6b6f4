#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QVariant>

namespace ClientBase {

// The client's screen state (last layout, window geometry, detached tiles, split ratio) as one
// JSON file. Changes are written shortly after they happen, atomically, so that a killed client
// finds either the previous or the new state, never a torn file.
class ScreenStateStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString filePath READ filePath WRITE setFilePath NOTIFY filePathChanged)
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
    Q_PROPERTY(int writeDelayMs READ writeDelayMs WRITE setWriteDelayMs)
public:
    explicit ScreenStateStore(QObject* parent = nullptr);
    ~ScreenStateStore() override;

    QString filePath() const { return _filePath; }
    // Reads the file at once; a missing or unreadable file gives an empty state (logged).
    void setFilePath(const QString& path);
    bool loaded() const { return _loaded; }
    int writeDelayMs() const { return _writeTimer.interval(); }
    void setWriteDelayMs(int ms) { _writeTimer.setInterval(ms); }

    Q_INVOKABLE QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // Schedules a write when the value differs from the stored one.
    Q_INVOKABLE void setValue(const QString& key, const QVariant& value);
    Q_INVOKABLE void remove(const QString& key);
    // Writes pending changes now; false when the file could not be written.
    Q_INVOKABLE bool flush();

Q_SIGNALS:
    void filePathChanged();
    void loadedChanged();

private:
    QString _filePath;
    QJsonObject _state;
    bool _loaded = false;
    bool _dirty = false;
    QTimer _writeTimer;
};

} // namespace ClientBase
