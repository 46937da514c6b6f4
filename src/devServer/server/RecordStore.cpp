#include "RecordStore.h"

#include "GroupModels.h"
#include "RequestError.h"
#include "kvoCore/Utils.h"
#include "kvoCore/db/DBSimple.h"
#include "kvoModel/dao/DAO.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlQuery>
#include <stdexcept>

namespace DevServer {

namespace {

// Refusals of bad input: their text is meant for the client.
[[noreturn]] void fail(const QString& text) {
    throw RequestError(text);
}

} // namespace

bool RecordStore::isPasswordHash(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{128}$"));
    return hex.match(text).hasMatch();
}

RecordStore::RecordStore(KvoCore::DBSimple* db) : _db(db) {}

QStringList RecordStore::groups() {
    return GroupModels::groups();
}

SharedPointerEx<KvoModel::ModelBase> RecordStore::createModel(const QString& group) {
    return GroupModels::create(group);
}

QJsonArray RecordStore::whereEquals(const QString& role, const QJsonValue& value) {
    const QJsonObject expression{{"role", role}, {"operation", "="}, {"value", value}, {"condition", "and"}};
    return QJsonArray{QJsonObject{{"condition", "and"}, {"expressions", QJsonArray{expression}}}};
}

QJsonObject RecordStore::publicFields(const KvoModel::ModelBase& model) {
    return fieldsOf(model, false);
}

QJsonObject RecordStore::fieldsOf(const KvoModel::ModelBase& model, bool withPrivate) {
    KvoCore::DTO dto;
    model.appendFieldListToDto(dto, withPrivate);
    // SQLite hands booleans back as 0/1; clients compare them with true/false.
    const auto& fields = model.fieldsList();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (it.value().sqlType == sftBool && dto.params.contains(it.key()) && !it.value().value.isNull()) {
            dto.params.insert(it.key(), it.value().value.toBool());
        }
    }
    return dto.params;
}

void RecordStore::checkId(qint64 id) {
    if (id <= 1) {
        fail(QStringLiteral("Record id %1 is not a user record (ids start at 2)").arg(id));
    }
}

void RecordStore::assignClientFields(KvoModel::ModelBase& model, const QJsonObject& fields) {
    // The server owns the id, the time stamps, the owner and what is not a column.
    static const QStringList serverOwned{"id", "dtUpdate", "dtInsert", "rstIdOwner"};
    KvoCore::DTO accepted;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (!model.fieldsList().contains(it.key()) || serverOwned.contains(it.key())) {
            continue;
        }
        if (model.getFieldDescr(it.key()).hasProperty(fpJoined | fpNotStored | fpPrimaryKey)) {
            continue;
        }
        accepted.params.insert(it.key(), it.value());
    }
    model.populateFieldsList(accepted);
}

void RecordStore::checkOrderBy(const KvoModel::ModelBase& model, const QJsonObject& orderBy) {
    for (auto it = orderBy.constBegin(); it != orderBy.constEnd(); ++it) {
        if (!model.fieldsList().contains(it.key()) ||
            model.getFieldDescr(it.key()).hasProperty(fpJoined | fpNotStored | fpPrivate)) {
            fail(QStringLiteral("Cannot order by '%1'").arg(it.key()));
        }
        const QString direction = it.value().toString().trimmed().toUpper();
        if (direction != QLatin1String("ASC") && direction != QLatin1String("DESC")) {
            fail(QStringLiteral("Order direction of '%1' must be ASC or DESC").arg(it.key()));
        }
    }
}

QJsonArray RecordStore::list(const QString& group, const QJsonArray& where, const QJsonObject& orderBy,
                             quint64 limit) {
    auto model = createModel(group);
    KvoModel::DAO dao(model, _db);
    dao.checkJsonWhere(QString::fromUtf8(QJsonDocument(where).toJson(QJsonDocument::Compact)));
    checkOrderBy(*model, orderBy);
    QSqlQuery query(_db->sqlDb());
    dao.entriesList(query, {}, orderBy, limit, where, QString());
    QJsonArray entries;
    // Every row sets every selected column, so one model serves all rows.
    auto row = createModel(group);
    while (query.next()) {
        row->populateFieldsList(query, false);
        entries.append(publicFields(*row));
    }
    return entries;
}

std::optional<QJsonObject> RecordStore::info(const QString& group, qint64 id) {
    checkId(id);
    auto model = createModel(group);
    model->setIdValue(id);
    KvoModel::DAO dao(model, _db);
    if (!dao.getByID()) {
        return std::nullopt;
    }
    return publicFields(*model);
}

QJsonObject RecordStore::create(const QString& group, const QJsonObject& fields, qint64 ownerId) {
    auto model = createModel(group);
    model->populateDefault();
    assignClientFields(*model, fields);
    if (model->fieldsList().contains(QStringLiteral("rstIdOwner"))) {
        model->setValue(QStringLiteral("rstIdOwner"), ownerId);
    }
    if (group == QLatin1String("users")) {
        // Accounts are made with a password hash, never with a plain password.
        const QString sign = fields.value("sign").toString().trimmed();
        if (sign.isEmpty()) {
            fail(QStringLiteral("A user needs a non-empty \"sign\""));
        }
        const QJsonValue pwd = fields.value("pwd");
        if (!pwd.isUndefined() && !isPasswordHash(pwd.toString())) {
            fail(QStringLiteral("\"pwd\" must be the SHA-512 hash of the password (128 hexadecimal digits)"));
        }
        model->setValue(QStringLiteral("pwd"),
                        pwd.isUndefined() ? KvoCore::Utils::getPwdHash(QString()) : pwd.toString().toLower());
        if (!fields.contains("rstIdGroup")) {
            model->setValue(QStringLiteral("rstIdGroup"), 2);
        }
    }
    KvoModel::DAO dao(model, _db);
    dao.insert();
    return publicFields(*model);
}

std::optional<QJsonObject> RecordStore::update(const QString& group, qint64 id, const QJsonObject& fields) {
    checkId(id);
    auto model = createModel(group);
    model->setIdValue(id);
    KvoModel::DAO dao(model, _db);
    if (!dao.getByID()) {
        return std::nullopt;
    }
    assignClientFields(*model, fields);
    if (!dao.updateByID()) {
        return std::nullopt;
    }
    return publicFields(*model);
}

bool RecordStore::remove(const QString& group, qint64 id) {
    checkId(id);
    auto model = createModel(group);
    model->setIdValue(id);
    KvoModel::DAO dao(model, _db);
    if (!dao.recordIsExists()) {
        return false;
    }
    dao.deleteByID();
    return true;
}

std::optional<QJsonObject> RecordStore::duplicate(const QString& group, qint64 id, qint64 ownerId) {
    checkId(id);
    auto model = createModel(group);
    model->setIdValue(id);
    KvoModel::DAO dao(model, _db);
    if (!dao.getByID()) {
        return std::nullopt;
    }
    model->setIdValue(QVariant());
    if (model->fieldsList().contains(QStringLiteral("rstIdOwner"))) {
        model->setValue(QStringLiteral("rstIdOwner"), ownerId);
    }
    dao.insert();
    return publicFields(*model);
}

void RecordStore::clear(const QString& group) {
    auto model = createModel(group);
    KvoModel::DAO dao(model, _db);
    dao.clearTable();
}

std::optional<QJsonObject> RecordStore::userBySign(const QString& sign) {
    auto model = createModel(QStringLiteral("users"));
    // The hash is private: read it here only, never in lists or answers.
    model->resetFieldProperties(QStringLiteral("pwd"), fpPrivate);
    model->setValue(QStringLiteral("sign"), sign);
    KvoModel::DAO dao(model, _db);
    if (!dao.getByUnique(QStringLiteral("sign"), {})) {
        return std::nullopt;
    }
    return fieldsOf(*model, true);
}

} // namespace DevServer
