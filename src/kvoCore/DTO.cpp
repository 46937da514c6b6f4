#include "DTO.h"

#include "Location.h"

#include <stdexcept>

namespace KvoCore {

DTO::DTO(const QVariantMap& params) {
    appendParams(params);
}

DTO::DTO(const QJsonObject& params) : params(params) {}

DTO::DTO(std::initializer_list<std::pair<QString, QJsonValue>> list) {
    for (const auto& [key, value] : list) {
        params.insert(key, value);
    }
}

DTO& DTO::appendParams(const QVariantMap& map) {
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        params.insert(it.key(), QJsonValue::fromVariant(it.value()));
    }
    return *this;
}

DTO& DTO::appendParamsFromDTO(const DTO& other) {
    for (auto it = other.params.constBegin(); it != other.params.constEnd(); ++it) {
        params.insert(it.key(), it.value());
    }
    return *this;
}

DTO& DTO::appendParamsFromJSONJObject(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        const QString reason =
            error.error != QJsonParseError::NoError ? error.errorString() : QStringLiteral("not an object");
        throw std::runtime_error(QStringLiteral("%1. Failed to parse 'jsonObject': '%2'.")
                                     .arg(KVO_LOCATION("KvoCore::DTO::appendParamsFromJSONJObject"), reason)
                                     .toStdString());
    }
    const QJsonObject object = doc.object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        params.insert(it.key(), it.value());
    }
    return *this;
}

DTO& DTO::appendPrivateParams(const DTO& other) {
    for (auto it = other.params.constBegin(); it != other.params.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1Char('_'))) {
            params.insert(it.key(), it.value());
        }
    }
    return *this;
}

QByteArray DTO::data(const QJsonDocument::JsonFormat& format) const {
    return QJsonDocument(params).toJson(format);
}

std::shared_ptr<DTO> DTO::makeShared(const DTO& dto) {
    return std::make_shared<DTO>(dto);
}

QList<std::shared_ptr<DTO>> DTO::makeShared(QList<DTO>& dtos) {
    QList<std::shared_ptr<DTO>> result;
    result.reserve(dtos.size());
    for (const DTO& dto : dtos) {
        result.append(std::make_shared<DTO>(dto));
    }
    return result;
}

} // namespace KvoCore
