#include "SettingsSimple.h"

namespace KvoCore {

SettingsSimple::SettingsSimple(const QString& fileName, QSettings::Format format, QObject* parent)
    : QSettings(fileName, format, parent) {}

QVariant SettingsSimple::value(const QString& key, const QVariant& defaultValue) const {
    const auto found = m_overrides.constFind(key);
    return found != m_overrides.constEnd() ? *found : QSettings::value(key, defaultValue);
}

void SettingsSimple::setValue(const QString& key, const QVariant& value) {
    m_overrides.remove(key);
    QSettings::setValue(key, value);
}

void SettingsSimple::setOverride(const QString& key, const QVariant& value) {
    m_overrides.insert(key, value);
}

bool SettingsSimple::isOverridden(const QString& key) const {
    return m_overrides.contains(key);
}

void SettingsSimple::initSettingParams(std::initializer_list<std::pair<QString, QVariant>> params) {
    initSettingParams(std::vector<std::pair<QString, QVariant>>(params));
}

void SettingsSimple::initSettingParams(const std::vector<std::pair<QString, QVariant>>& params) {
    for (const auto& [key, defaultValue] : params) {
        // The file's own value decides: an override is not written as a default.
        if (QSettings::value(key, QVariant()).isNull()) {
            QSettings::setValue(key, defaultValue);
        }
    }
}

} // namespace KvoCore
