#include "Accounts.h"

#include "GroupModels.h"
#include "ServerLog.h"
#include "kvoCore/Utils.h"
#include "kvoCore/db/DBSimple.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/model/OwnerGroupModel.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

namespace DevServer {

const QString Accounts::adminRole = QStringLiteral("admin");
const QString Accounts::operatorRole = QStringLiteral("operator");

namespace {

QString usersTable() {
    return KvoModel::ModelBase::tnOwner();
}

qint64 countOf(KvoCore::DBSimple* db, const QString& sql, const QMap<QString, QVariant>& params) {
    QSqlQuery query = db->execSelect(sql, params);
    return query.next() ? query.value(0).toLongLong() : 0;
}

} // namespace

Accounts::Accounts(KvoCore::DBSimple* db) : _db(db) {}

void Accounts::prepare() {
    const QString name = QStringLiteral("Administrators");
    SharedPointerEx<KvoModel::ModelBase> group(new KvoModel::OwnerGroupModel());
    KvoModel::DAO dao(group, _db);
    group->setValue(QStringLiteral("name"), name);
    QSqlQuery found = _db->execSelect(
        QStringLiteral("SELECT id FROM %1 WHERE name=:name AND id>1 ORDER BY id").arg(group->tableName()),
        {{QStringLiteral(":name"), name}});
    if (found.next()) {
        _adminGroupId = found.value(0).toLongLong();
    } else {
        group->populateDefault();
        group->setValue(QStringLiteral("name"), name);
        dao.insert();
        _adminGroupId = group->idValue().toLongLong();
        serverLog()->info("Group 'Administrators' created with id {}", _adminGroupId);
    }
    if (countOf(_db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE rstIdGroup=:g").arg(usersTable()),
                {{QStringLiteral(":g"), _adminGroupId}}) == 0) {
        _db->execUpdate(
            QStringLiteral("UPDATE %1 SET rstIdGroup=:g WHERE sign=:sign").arg(usersTable()),
            {{QStringLiteral(":g"), _adminGroupId}, {QStringLiteral(":sign"), QStringLiteral("admin")}});
        serverLog()->info("Account 'admin' is an administrator");
    }
}

std::optional<QJsonObject> Accounts::findOne(const QString& column, const QVariant& value) const {
    QSqlQuery query = _db->execSelect(
        QStringLiteral("SELECT id, sign, rstIdGroup, blocked, pwd FROM %1 WHERE %2=:v AND id>1")
            .arg(usersTable(), column),
        {{QStringLiteral(":v"), value}});
    if (!query.next()) {
        return std::nullopt;
    }
    return QJsonObject{{"id", query.value(0).toLongLong()},
                       {"sign", query.value(1).toString()},
                       {"rstIdGroup", query.value(2).toLongLong()},
                       {"blocked", query.value(3).toBool()},
                       {"pwd", query.value(4).toString()}};
}

std::optional<QJsonObject> Accounts::byId(qint64 id) const {
    return findOne(QStringLiteral("id"), id);
}

std::optional<QJsonObject> Accounts::bySign(const QString& sign) const {
    return findOne(QStringLiteral("sign"), sign);
}

QString Accounts::roleOf(const QJsonObject& account) const {
    return account.value(QStringLiteral("rstIdGroup")).toVariant().toLongLong() == _adminGroupId
               ? adminRole
               : operatorRole;
}

bool Accounts::hasEmptyPassword(const QJsonObject& account) {
    const QString pwd = account.value(QStringLiteral("pwd")).toString().toLower();
    return pwd.isEmpty() || pwd == KvoCore::Utils::getPwdHash(QString()).toLower();
}

int Accounts::activeAdministrators() const {
    return int(countOf(_db,
                       QStringLiteral("SELECT COUNT(*) FROM %1 WHERE rstIdGroup=:g AND blocked=:b AND id>1")
                           .arg(usersTable()),
                       {{QStringLiteral(":g"), _adminGroupId}, {QStringLiteral(":b"), false}}));
}

QStringList Accounts::administratorsWithoutPassword() const {
    QSqlQuery query =
        _db->execSelect(QStringLiteral("SELECT sign, pwd FROM %1 WHERE rstIdGroup=:g AND blocked=:b AND id>1")
                            .arg(usersTable()),
                        {{QStringLiteral(":g"), _adminGroupId}, {QStringLiteral(":b"), false}});
    QStringList signs;
    while (query.next()) {
        if (hasEmptyPassword(QJsonObject{{"pwd", query.value(1).toString()}})) {
            signs.append(query.value(0).toString());
        }
    }
    return signs;
}

void Accounts::setBlocked(qint64 id, bool blocked) {
    _db->execUpdate(QStringLiteral("UPDATE %1 SET blocked=:b WHERE id=:id AND id>1").arg(usersTable()),
                    {{QStringLiteral(":b"), blocked}, {QStringLiteral(":id"), id}});
}

void Accounts::setPasswordHash(qint64 id, const QString& hash) {
    _db->execUpdate(QStringLiteral("UPDATE %1 SET pwd=:p WHERE id=:id AND id>1").arg(usersTable()),
                    {{QStringLiteral(":p"), hash.toLower()}, {QStringLiteral(":id"), id}});
}

bool Accounts::isPasswordHash(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{128}$"));
    return hex.match(text).hasMatch();
}

QStringList Accounts::handOver(qint64 from, qint64 to) {
    QStringList changed;
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
    const bool ownTransaction = !_db->transactionIsOn() && _db->startTransaction();
    try {
        for (const QString& group : GroupModels::groups()) {
            const auto model = GroupModels::create(group);
            const auto& fields = model->fieldsList();
            if (group == QLatin1String("users") || !fields.contains(QStringLiteral("rstIdOwner"))) {
                continue;
            }
            const QString table = model->tableName();
            QMap<QString, QVariant> ids{{QStringLiteral(":from"), from}, {QStringLiteral(":to"), to}};
            QString sql =
                QStringLiteral("UPDATE %1 SET rstIdOwner=:to, dtUpdate=%2 WHERE rstIdOwner=:from AND id>1")
                    .arg(table, stamp);
            if (fields.value(QStringLiteral("rstIdOwner")).hasProperty(fpUnique)) {
                // One record per user: the new owner keeps its own.
                ids.insert(QStringLiteral(":to2"), to);
                sql += QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM %1 AS mine WHERE mine.rstIdOwner=:to2)")
                           .arg(table);
            }
            if (countOf(_db,
                        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE rstIdOwner=:from AND id>1").arg(table),
                        {{QStringLiteral(":from"), from}}) == 0) {
                continue;
            }
            _db->execUpdate(sql, ids);
            changed.append(group);
        }
        if (ownTransaction) {
            _db->commitTransaction();
        }
    } catch (...) {
        if (ownTransaction) {
            _db->rollbackTransaction();
        }
        throw;
    }
    return changed;
}

} // namespace DevServer
