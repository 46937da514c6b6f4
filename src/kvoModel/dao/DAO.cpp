#include "DAO.h"

#include "kvoCore/Location.h"
#include "kvoCore/db/DBSimple.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>
#include <QUuid>
#include <cmath>
#include <stdexcept>

namespace KvoModel {

namespace {

[[noreturn]] void fail(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

const QStringList kConditions{QStringLiteral("and"), QStringLiteral("or")};
const QStringList kOperations{QStringLiteral("="),   QStringLiteral("!="), QStringLiteral(">"),
                              QStringLiteral(">="),  QStringLiteral("<"),  QStringLiteral("<="),
                              QStringLiteral("like")};

QString normalized(const QJsonValue& v) {
    return v.toString().trimmed().toLower();
}

// A JSON number that holds a whole value binds as an integer so that it compares exactly with
// 64-bit columns (time stamps) on both back ends.
QVariant bindableValue(const QJsonValue& v) {
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (std::floor(d) == d && std::fabs(d) < 9.0e15) {
            return QVariant::fromValue<qint64>(static_cast<qint64>(d));
        }
    }
    return v.toVariant();
}

bool isIdentifier(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

} // namespace

DAO::DAO(const SharedPointerEx<ModelBase>& model, KvoCore::DBSimple* connection)
    : model(model), sqlConnection(connection) {}

KvoCore::DBSimple* DAO::connection() const {
    if (!sqlConnection) {
        fail(QStringLiteral("%1, no database connection").arg(KVO_LOCATION("KvoModel::DAO::connection")));
    }
    return sqlConnection;
}

QString DAO::table() const {
    return model->tableName();
}

QString DAO::column(const QString& name) const {
    return table() + QLatin1Char('.') + name;
}

QString DAO::now() const {
    if (connection()->getDriverName() == QLatin1String("QSQLITE") ||
        connection()->getNowExpression().isEmpty()) {
        return QString::number(QDateTime::currentMSecsSinceEpoch());
    }
    return connection()->getNowExpression();
}

void DAO::bindModel(QMap<QString, QVariant>& params) const {
    model->bindStruct(params);
    // Qt binds a null QString as NULL; for a NOT NULL text column that is meant as empty text.
    const ModelBase::FieldMap& fields = model->fieldsList();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const FieldDescr& f = it.value();
        if (f.notNull && (f.sqlType == sftText || f.sqlType == sftVarchar) &&
            f.value.userType() == QMetaType::QString && f.value.toString().isNull()) {
            params[QLatin1Char(':') + it.key()] = QString(QLatin1String(""));
        }
    }
}

bool DAO::loadFirstRow(QSqlQuery& query) {
    if (!query.next()) {
        return false;
    }
    model->populateFieldsList(query, false);
    return true;
}

QString DAO::qrySelectFromConstructor(const QStringList& fieldNames) {
    const ModelBase::FieldMap& fields = model->fieldsList();
    QString sql = QStringLiteral("SELECT ");
    QStringList joinedTables;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (!fieldNames.isEmpty() && !fieldNames.contains(it.key())) {
            continue;
        }
        const FieldDescr& f = it.value();
        if (f.hasProperty(fpNotStored) || f.hasProperty(fpPrivate)) {
            continue;
        }
        if (f.hasProperty(fpJoined)) {
            sql += f.refTable + QLatin1Char('.') + f.joinField;
            if (!joinedTables.contains(f.refTable)) {
                joinedTables << f.refTable;
            }
        } else {
            sql += column(it.key());
        }
        sql += QStringLiteral(" AS ") + it.key() + QStringLiteral(", ");
    }
    sql.chop(2);
    sql += QStringLiteral(" FROM ") + table() + QStringLiteral(" AS ") + table();

    QStringList done;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const FieldDescr& f = it.value();
        if (!f.hasProperty(fpReference) || f.hasProperty(fpPrivate) || !joinedTables.contains(f.refTable) ||
            done.contains(f.refTable)) {
            continue;
        }
        done << f.refTable;
        sql += QStringLiteral(" LEFT JOIN ") + f.refTable + QStringLiteral(" ON ") + column(it.key()) +
               QLatin1Char('=') + f.refTable + QLatin1Char('.') + QStringLiteral("id");
    }
    return sql;
}

bool DAO::getByID() {
    lastSql =
        qrySelectFromConstructor() + QStringLiteral(" WHERE ") + table() + QStringLiteral(".id=:ID LIMIT 1");
    QSqlQuery query = connection()->execSelect(lastSql, {{QStringLiteral(":ID"), model->idValue()}});
    return loadFirstRow(query);
}

bool DAO::getByStrictID(const QVariant& id) {
    model->setIdValue(id);
    return getByID();
}

QString DAO::otherFieldsClause(const QStringList& otherFieldNames, QMap<QString, QVariant>& params) {
    QString sql;
    for (const QString& other : otherFieldNames) {
        const bool negated = other.startsWith(QLatin1Char('!'));
        const QString name = negated ? other.mid(1) : other;
        const QVariant value = model->value(name); // throws for a name that is not a field
        sql += QStringLiteral(" AND ");
        if (negated) {
            sql += QStringLiteral(" NOT ");
        }
        sql += column(name) + QStringLiteral("=:") + name;
        params[QLatin1Char(':') + name] = value;
    }
    return sql;
}

bool DAO::getByUnique(const QString& keyFieldName, const QStringList& otherFieldNames) {
    QMap<QString, QVariant> params;
    params[QStringLiteral(":UF")] = model->value(keyFieldName);
    lastSql = qrySelectFromConstructor() + QStringLiteral(" WHERE ") + column(keyFieldName) +
              QStringLiteral("=:UF") + otherFieldsClause(otherFieldNames, params) +
              QStringLiteral(" LIMIT 1");
    QSqlQuery query = connection()->execSelect(lastSql, params);
    return loadFirstRow(query);
}

bool DAO::getByUniqueAndRefs(const QString& keyFieldName, const RefCondition& ref) {
    const FieldDescr& f = model->getFieldDescr(ref.refField);
    if (!f.hasProperty(fpReference)) {
        model->getReference(ref.refField); // throws the "is't reference" error
    }
    if (!isIdentifier(ref.column)) {
        fail(QStringLiteral("%1, bad column name '%2'")
                 .arg(KVO_LOCATION("KvoModel::DAO::getByUniqueAndRefs"), ref.column));
    }
    const QString refTable = f.refTable;
    bool joined = false;
    for (const FieldDescr& other : model->fieldsList()) {
        if (other.hasProperty(fpJoined) && !other.hasProperty(fpPrivate) && other.refTable == refTable) {
            joined = true;
        }
    }
    QMap<QString, QVariant> params;
    params[QStringLiteral(":UF")] = model->value(keyFieldName);
    params[QLatin1Char(':') + ref.refField] = ref.value.toString();
    lastSql = qrySelectFromConstructor();
    if (!joined) {
        lastSql += QStringLiteral(" INNER JOIN ") + refTable + QStringLiteral(" AS ") + refTable +
                   QStringLiteral(" ON ") + refTable + QLatin1Char('.') + QStringLiteral("id =") +
                   column(ref.refField);
    }
    lastSql += QStringLiteral(" WHERE ") + column(keyFieldName) + QStringLiteral("=:UF") +
               QStringLiteral(" AND ") + refTable + QLatin1Char('.') + ref.column + QLatin1Char('=') +
               QLatin1Char(':') + ref.refField + QStringLiteral(" LIMIT 1");
    QSqlQuery query = connection()->execSelect(lastSql, params);
    return loadFirstRow(query);
}

bool DAO::getByUniqueAndRefs(const QString& keyFieldName, const QList<RefCondition>& refs) {
    QMap<QString, QVariant> params;
    params[QStringLiteral(":UF")] = model->value(keyFieldName);
    QString joins;
    QString restrictions;
    // Every reference gets its own alias and parameter, so two references to one table stay apart.
    for (int i = 0; i < refs.size(); ++i) {
        const RefCondition& ref = refs.at(i);
        const FieldDescr& f = model->getFieldDescr(ref.refField);
        if (!f.hasProperty(fpReference)) {
            model->getReference(ref.refField);
        }
        if (!isIdentifier(ref.column)) {
            fail(QStringLiteral("%1, bad column name '%2'")
                     .arg(KVO_LOCATION("KvoModel::DAO::getByUniqueAndRefs"), ref.column));
        }
        const QString alias = QStringLiteral("%1_ref%2").arg(f.refTable).arg(i);
        const QString param = QStringLiteral(":ref%1_%2").arg(i).arg(ref.refField);
        joins += QStringLiteral(" INNER JOIN ") + f.refTable + QStringLiteral(" AS ") + alias +
                 QStringLiteral(" ON ") + alias + QStringLiteral(".id =") + column(ref.refField);
        restrictions +=
            QStringLiteral(" AND ") + alias + QLatin1Char('.') + ref.column + QLatin1Char('=') + param;
        params[param] = ref.value.toString();
    }
    lastSql = qrySelectFromConstructor() + joins + QStringLiteral(" WHERE ") + column(keyFieldName) +
              QStringLiteral("=:UF") + restrictions + QStringLiteral(" LIMIT 1");
    QSqlQuery query = connection()->execSelect(lastSql, params);
    return loadFirstRow(query);
}

bool DAO::recordIsExists() {
    lastSql = QStringLiteral(
                  "\n            SELECT id\n            FROM tableNameValue\n                  WHERE id=:ID\n"
                  "            LIMIT 1\n            ")
                  .replace(QStringLiteral("tableNameValue"), table());
    QSqlQuery query = connection()->execSelect(lastSql, {{QStringLiteral(":ID"), model->idValue()}});
    return query.next();
}

void DAO::insert() {
    QString columns;
    QString values;
    const QString stamp = now();
    const ModelBase::FieldMap& fields = model->fieldsList();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const FieldDescr& f = it.value();
        if (f.hasProperty(fpPrimaryKey) || f.hasProperty(fpJoined) || f.hasProperty(fpNotStored)) {
            continue;
        }
        columns += it.key() + QLatin1Char(',');
        if (f.hasProperty(fpUpdateTime) || f.hasProperty(fpInsertTime)) {
            values += stamp;
        } else if (f.hasProperty(fpAutoUuid)) {
            values += QLatin1Char('\'') + QUuid::createUuid().toString(QUuid::WithBraces) + QLatin1Char('\'');
        } else {
            values += QLatin1Char(':') + it.key();
        }
        values += QLatin1Char(',');
    }
    columns.chop(1);
    values.chop(1);
    lastSql = QStringLiteral(" INSERT INTO ") + table() + QStringLiteral(" (") + columns +
              QStringLiteral(") VALUES (") + values + QLatin1Char(')');
    // PostgreSQL tables have no OIDs, so the driver's last insert id is empty there: ask for the key.
    const bool returning = connection()->getDriverName() == QLatin1String("QPSQL");
    if (returning) {
        lastSql += QStringLiteral(" RETURNING id");
    }
    QMap<QString, QVariant> params;
    bindModel(params);
    QSqlQuery query = connection()->execUpdate(lastSql, params);
    if (returning) {
        if (query.next()) {
            model->setIdValue(query.value(0));
        }
    } else {
        model->setIdValue(query.lastInsertId());
    }
    const QString insertSql = lastSql;
    if (useRetMode && !getByID()) {
        fail(QStringLiteral("%1 Failed to getByID(). Table: '%2'")
                 .arg(KVO_LOCATION("KvoModel::DAO::insert"), table()));
    }
    lastSql = insertSql;
}

bool DAO::updateByID() {
    QString sql = QStringLiteral("UPDATE ") + table() + QStringLiteral(" SET ");
    const QString stamp = now();
    const ModelBase::FieldMap& fields = model->fieldsList();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const FieldDescr& f = it.value();
        if (f.hasProperty(fpPrimaryKey) || f.hasProperty(fpInsertTime) || f.hasProperty(fpJoined) ||
            f.hasProperty(fpReadOnly) || f.hasProperty(fpNotStored)) {
            continue;
        }
        sql += it.key() + QLatin1Char('=') +
               (f.hasProperty(fpUpdateTime) ? stamp : QLatin1Char(':') + it.key()) + QLatin1Char(',');
    }
    sql.chop(1);
    sql += QStringLiteral(" WHERE id=:id");
    lastSql = sql;

    QMap<QString, QVariant> params;
    bindModel(params);
    if (useSavepoint) {
        connection()->exec(QStringLiteral("SAVEPOINT point;"));
        try {
            connection()->execUpdate(sql, params);
        } catch (...) {
            // Undo only this statement; an enclosing transaction stays usable.
            connection()->exec(QStringLiteral("ROLLBACK TO point;"));
            throw;
        }
        connection()->exec(QStringLiteral("RELEASE point;"));
    } else {
        connection()->execUpdate(sql, params);
    }
    const bool found = useRetMode ? getByID() : true;
    lastSql = sql;
    return found;
}

void DAO::updateByParams(const QString& keyParName, const QMap<QString, QVariant>& params) {
    const FieldDescr& key = model->getFieldDescr(keyParName);
    if (!key.hasProperty(fpPrimaryKey) && !key.hasProperty(fpUnique) && !key.hasProperty(fpAutoUuid)) {
        fail(QStringLiteral("%1, key field '%2' is not unique")
                 .arg(KVO_LOCATION("KvoModel::DAO::updateByParams"), keyParName));
    }
    QString sql = QStringLiteral("UPDATE ") + table() + QStringLiteral(" SET ");
    bool anyAssignment = false;
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        if (!model->fieldsList().contains(it.key())) {
            continue;
        }
        model->setValue(it.key(), it.value());
        const FieldDescr& f = model->getFieldDescr(it.key());
        if (f.hasProperty(fpPrimaryKey) || f.hasProperty(fpUpdateTime) || f.hasProperty(fpInsertTime) ||
            f.hasProperty(fpJoined) || f.hasProperty(fpReadOnly) || f.hasProperty(fpNotStored)) {
            continue;
        }
        sql += it.key() + QStringLiteral("=:") + it.key() + QStringLiteral(", ");
        anyAssignment = true;
    }
    if (!anyAssignment) {
        // Only stamping the row would report a change that did not happen.
        fail(QStringLiteral("%1, no writable field among the parameters for table '%2'")
                 .arg(KVO_LOCATION("KvoModel::DAO::updateByParams"), table()));
    }
    sql.chop(2);
    const QString stamp = now();
    const ModelBase::FieldMap& fields = model->fieldsList();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (it.value().hasProperty(fpUpdateTime) && !it.value().hasProperty(fpReadOnly)) {
            sql += QLatin1Char(',') + it.key() + QLatin1Char('=') + stamp;
        }
    }
    sql += QStringLiteral(" WHERE ") + keyParName + QStringLiteral("=:") + keyParName;
    lastSql = sql;

    QMap<QString, QVariant> bound;
    bindModel(bound);
    connection()->execUpdate(sql, bound);
    if (!getByUnique(keyParName)) {
        fail(QStringLiteral("%1, failed to getByUnique. keyParName: '%2'")
                 .arg(KVO_LOCATION("KvoModel::DAO::updateByParams"), keyParName));
    }
    lastSql = sql;
}

bool DAO::deleteByID() {
    const QVariant id = model->idValue();
    if (id.toLongLong() == 1) {
        // Row 1 is the placeholder every reference defaults to; deleting it would cascade into user data.
        fail(QStringLiteral("%1, the placeholder row (id 1) of table '%2' is never deleted")
                 .arg(KVO_LOCATION("KvoModel::DAO::deleteByID"), table()));
    }
    lastSql =
        QStringLiteral("DELETE ") + QStringLiteral(" FROM ") + table() + QStringLiteral(" WHERE id=:ID");
    connection()->execUpdate(lastSql, {{QStringLiteral(":ID"), id}});
    return true;
}

void DAO::deleteByField(const QString& fieldName, const QStringList& otherFieldNames) {
    QMap<QString, QVariant> params;
    params[QStringLiteral(":fieldName")] = model->value(fieldName);
    lastSql = QStringLiteral("DELETE ") + QStringLiteral(" FROM ") + table() +
              QStringLiteral(" WHERE id > 1 AND ") + fieldName + QStringLiteral("=:fieldName") +
              otherFieldsClause(otherFieldNames, params);
    connection()->execUpdate(lastSql, params);
}

void DAO::clearTable() {
    lastSql =
        QStringLiteral("DELETE ") + QStringLiteral(" FROM ") + table() + QStringLiteral(" WHERE id > 1 ");
    connection()->execUpdate(lastSql, {});
}

void DAO::checkJsonWhere(const QString& jsonText) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(jsonText.toUtf8(), &error);
    if (!doc.isArray()) {
        fail(QStringLiteral("'%1', descriptions: '%2'.")
                 .arg(KVO_LOCATION("KvoModel::DAO::checkJsonWhere"),
                      QStringLiteral("where is not a JSON array")));
    }
    validateWhere(doc.array(), false, "KvoModel::DAO::checkJsonWhere");
}

void DAO::validateWhere(const QJsonArray& where, bool skipIncomplete, const char* function) const {
    const auto groupError = [function](const QString& text) {
        fail(QStringLiteral("'%1', descriptions: '%2'.")
                 .arg(::KvoCore::location(__FILE__, function, __LINE__), text));
    };
    const auto expressionError = [function](const QString& text, int line) {
        fail(QStringLiteral("'%1', line: '%2' descriptions: '%3'.")
                 .arg(::KvoCore::location(__FILE__, function, line))
                 .arg(line)
                 .arg(text));
    };
    for (const QJsonValue& groupValue : where) {
        if (!groupValue.isObject()) {
            groupError(QStringLiteral("group is not an object"));
        }
        const QJsonObject group = groupValue.toObject();
        const QString condition = normalized(group.value(QStringLiteral("condition")));
        const QJsonValue expressionsValue = group.value(QStringLiteral("expressions"));
        if (skipIncomplete && (condition.isEmpty() || expressionsValue.toArray().isEmpty())) {
            continue; // contributes nothing to the SQL
        }
        if (!kConditions.contains(condition)) {
            groupError(QStringLiteral("group condition is wrong"));
        }
        if (!expressionsValue.isArray() && !expressionsValue.isUndefined()) {
            groupError(QStringLiteral("group expressions are not an array"));
        }
        for (const QJsonValue& expressionValue : expressionsValue.toArray()) {
            if (!expressionValue.isObject()) {
                expressionError(QStringLiteral("expression is not an object"), __LINE__);
            }
            const QJsonObject e = expressionValue.toObject();
            const QString eCondition = normalized(e.value(QStringLiteral("condition")));
            const QString role = e.value(QStringLiteral("role")).toString().trimmed();
            const QString operation = normalized(e.value(QStringLiteral("operation")));
            if (skipIncomplete && (eCondition.isEmpty() || role.isEmpty() || operation.isEmpty())) {
                continue;
            }
            if (!kConditions.contains(eCondition)) {
                expressionError(QStringLiteral("expression condition is wrong"), __LINE__);
            }
            // Private columns (password hashes) must not be searchable, transient ones are no columns.
            const auto field = model->fieldsList().constFind(role);
            if (field == model->fieldsList().cend() || field->hasProperty(fpPrivate) ||
                field->hasProperty(fpNotStored)) {
                expressionError(QStringLiteral("role is wrong"), __LINE__);
            }
            if (!kOperations.contains(operation)) {
                expressionError(QStringLiteral("operation is wrong"), __LINE__);
            }
            const QJsonValue value = e.value(QStringLiteral("value"));
            if (value.isArray() || value.isObject()) {
                expressionError(QStringLiteral("value is wrong"), __LINE__);
            }
        }
    }
}

QString DAO::whereColumn(const QString& role) const {
    const FieldDescr& f = model->getFieldDescr(role);
    return f.hasProperty(fpJoined) ? f.refTable + QLatin1Char('.') + f.joinField : column(role);
}

QString DAO::validatedOrder(const QJsonObject& orderBy) const {
    if (orderBy.isEmpty()) {
        return column(QStringLiteral("id")) + QStringLiteral(" DESC");
    }
    QString sql;
    for (auto it = orderBy.constBegin(); it != orderBy.constEnd(); ++it) {
        const auto field = model->fieldsList().constFind(it.key());
        if (field == model->fieldsList().cend() || field->hasProperty(fpPrivate) ||
            field->hasProperty(fpNotStored)) {
            fail(
                QStringLiteral("'%1', descriptions: '%2'.")
                    .arg(KVO_LOCATION("KvoModel::DAO::entriesList"), QStringLiteral("order field is wrong")));
        }
        const QString direction = it.value().toString().trimmed().toUpper();
        if (direction != QLatin1String("ASC") && direction != QLatin1String("DESC")) {
            fail(QStringLiteral("'%1', descriptions: '%2'.")
                     .arg(KVO_LOCATION("KvoModel::DAO::entriesList"),
                          QStringLiteral("order direction is wrong")));
        }
        sql += QLatin1Char(' ') + whereColumn(it.key()) + QLatin1Char(' ') + direction + QLatin1Char(',');
    }
    sql.chop(1);
    return sql;
}

void DAO::entriesList(QSqlQuery& query, const QStringList& fieldNames, const QJsonObject& orderBy,
                      quint64 limit, const QJsonArray& where, const QString& extraCondition) {
    // Everything from the request is checked before any SQL is built.
    validateWhere(where, true, "KvoModel::DAO::entriesList");
    const QString order = validatedOrder(orderBy);

    // A joined field used for filtering or sorting needs its join even when it is not selected.
    QStringList names = fieldNames;
    if (!names.isEmpty()) {
        QStringList used = orderBy.keys();
        for (const QJsonValue& g : where) {
            for (const QJsonValue& e : g.toObject().value(QStringLiteral("expressions")).toArray()) {
                used << e.toObject().value(QStringLiteral("role")).toString().trimmed();
            }
        }
        for (const QString& role : used) {
            const auto field = model->fieldsList().constFind(role);
            if (field != model->fieldsList().cend() && field->hasProperty(fpJoined) &&
                !names.contains(role)) {
                names << role;
            }
        }
    }

    QMap<QString, QVariant> params;
    QString sql =
        qrySelectFromConstructor(names) + QStringLiteral(" WHERE (") + table() + QStringLiteral(".id>1");
    int counter = 0;
    for (const QJsonValue& groupValue : where) {
        const QJsonObject group = groupValue.toObject();
        const QString condition = normalized(group.value(QStringLiteral("condition")));
        const QJsonArray expressions = group.value(QStringLiteral("expressions")).toArray();
        if (condition.isEmpty() || expressions.isEmpty()) {
            counter += expressions.size();
            continue;
        }
        QString groupSql = QLatin1Char(' ') + condition + QStringLiteral(" (");
        QString joiner = QStringLiteral(" ");
        bool anyExpression = false;
        for (const QJsonValue& expressionValue : expressions) {
            const int n = counter++;
            const QJsonObject e = expressionValue.toObject();
            const QString role = e.value(QStringLiteral("role")).toString().trimmed();
            const QString operation = normalized(e.value(QStringLiteral("operation")));
            const QString eCondition = normalized(e.value(QStringLiteral("condition")));
            if (role.isEmpty() || operation.isEmpty() || eCondition.isEmpty()) {
                continue;
            }
            groupSql += joiner + QLatin1Char(' ');
            joiner = eCondition;
            anyExpression = true;
            const QString param = QStringLiteral(":json_value_%1").arg(n);
            groupSql += whereColumn(role) + QLatin1Char(' ') + operation + QLatin1Char(' ') + param +
                        QLatin1Char(' ');
            params[param] = bindableValue(e.value(QStringLiteral("value")));
        }
        if (anyExpression) { // a group of incomplete expressions only would leave "( )" behind
            sql += groupSql + QLatin1Char(')');
        }
    }
    sql += QStringLiteral(") ") + extraCondition + QStringLiteral(" ORDER BY ") + order;
    if (limit != 0) {
        sql += QStringLiteral(" LIMIT ") + QString::number(limit);
    }
    lastSql = sql;
    connection()->execSelect(query, sql, params);
}

} // namespace KvoModel
