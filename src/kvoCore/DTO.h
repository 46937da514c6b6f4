#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>
#include <initializer_list>
#include <memory>
#include <utility>

namespace KvoCore {

// The record every layer passes around: a JSON object of named parameters.
// Keys starting with "_" are private bookkeeping keys of the client.
class DTO {
public:
    DTO() = default;
    DTO(const DTO& other) = default;
    DTO& operator=(const DTO& other) = default;
    virtual ~DTO() = default;

    explicit DTO(const QVariantMap& params);
    explicit DTO(const QJsonObject& params);
    DTO(std::initializer_list<std::pair<QString, QJsonValue>> params);

    DTO& appendParams(const QVariantMap& params);
    DTO& appendParamsFromDTO(const DTO& other);
    // Throws std::runtime_error when `json` is not a JSON object; the record is then unchanged.
    DTO& appendParamsFromJSONJObject(const QByteArray& json);
    DTO& appendPrivateParams(const DTO& other);

    QByteArray data(const QJsonDocument::JsonFormat& format) const;

    static std::shared_ptr<DTO> makeShared(const DTO& dto);
    static QList<std::shared_ptr<DTO>> makeShared(QList<DTO>& dtos);

    QJsonObject params;
};

} // namespace KvoCore

using SpDto = std::shared_ptr<KvoCore::DTO>;

Q_DECLARE_METATYPE(KvoCore::DTO)
Q_DECLARE_METATYPE(SpDto)
