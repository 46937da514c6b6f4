#include "SettingsSimple.h"

namespace KvoCore {

SettingsSimple::SettingsSimple(const QString& fileName, QSettings::Format format, QObject* parent)
    : QSettings(fileName, format, parent) {}

QVariant SettingsSimple::value(const QString& key, const QVariant& defaultValue) const {
    return QSettings::value(key, defaultValue);
}

void SettingsSimple::setValue(const QString& key, const QVariant& value) {
    QSettings::setValue(key, value);
}

void SettingsSimple::initSettingParams(std::initializer_list<std::pair<QString, QVariant>> params) {
    initSettingParams(std::vector<std::pair<QString, QVariant>>(params));
}

void SettingsSimple::initSettingParams(const std::vector<std::pair<QString, QVariant>>& params) {
    for (const auto& [key, defaultValue] : params) {
        if (value(key, QVariant()).isNull()) {
            setValue(key, defaultValue);
        }
    }
}

} // namespace KvoCore
