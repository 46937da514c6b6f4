#pragma once

#include <QHash>
#include <QSettings>
#include <QVariant>
#include <initializer_list>
#include <utility>
#include <vector>

namespace KvoCore {

// The INI settings store, also reachable from QML as "SETTINGS".
class SettingsSimple : public QSettings {
    Q_OBJECT
public:
    SettingsSimple() = default;
    SettingsSimple(const QString& fileName, QSettings::Format format, QObject* parent = nullptr);

    Q_INVOKABLE QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    Q_INVOKABLE void setValue(const QString& key, const QVariant& value);

    // Writes each default only when its key has no value yet.
    void initSettingParams(std::initializer_list<std::pair<QString, QVariant>> params);
    void initSettingParams(const std::vector<std::pair<QString, QVariant>>& params);

    // A value for this run only (from the command line): `value` returns it, the file keeps its
    // own. Setting the key later writes the file and ends the override, so a change the user
    // makes is kept.
    void setOverride(const QString& key, const QVariant& value);
    bool isOverridden(const QString& key) const;

private:
    QHash<QString, QVariant> m_overrides;
};

} // namespace KvoCore
