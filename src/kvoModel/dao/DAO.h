#pragma once

#include "kvoCore/SharedPointerEx.h"
#include "kvoModel/model/ModelBase.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace KvoCore {
class DBSimple;
}

namespace KvoModel {

// Restriction through a reference: the row that reference field `refField` points at must have
// `value` in its column `column`.
struct RefCondition {
    QString refField;
    QString column;
    QVariant value;
};

// Data access for one entity model: builds the SQL from the field descriptors, binds the model's
// values as named parameters and loads result rows back into the model. Table and column names in
// the SQL come only from the model; anything from a request travels as a bound parameter or is
// checked against fixed word lists first.
class DAO {
public:
    DAO(const SharedPointerEx<ModelBase>& model, KvoCore::DBSimple* connection);
    DAO(const DAO& other) = default;
    DAO& operator=(const DAO& other) = default;
    virtual ~DAO() = default;

    // Writes a new row; "id" receives the new key and, in return mode, the row is read back.
    void insert();
    // Rewrites the writable columns of row "id"; in return mode the result says whether the row is there.
    bool updateByID();
    // Sets only the given fields of the row whose keyParName (a unique key) matches, then reloads it.
    void updateByParams(const QString& keyParName, const QMap<QString, QVariant>& params);
    bool deleteByID();
    // Deletes the user rows (id > 1) whose fieldName equals the model's value and whose other named
    // fields equal (or, with a leading "!", differ from) the model's values.
    void deleteByField(const QString& fieldName, const QStringList& otherFieldNames = QStringList());
    void clearTable();

    bool getByID();
    bool getByStrictID(const QVariant& id);
    bool getByUnique(const QString& keyFieldName, const QStringList& otherFieldNames = QStringList());
    bool getByUniqueAndRefs(const QString& keyFieldName, const RefCondition& ref);
    bool getByUniqueAndRefs(const QString& keyFieldName, const QList<RefCondition>& refs);
    bool recordIsExists();

    QString qrySelectFromConstructor(const QStringList& fieldNames = QStringList());

    // A list query into the caller's query: the named fields (all when empty), the user rows matching
    // the where groups, ordered by the order object (field -> "ASC"/"DESC"; newest first when empty),
    // at most limit rows (0 = all). extraCondition is SQL text from the calling code, never from a
    // request. Unsafe where or order input is refused before any SQL runs.
    virtual void entriesList(QSqlQuery& query, const QStringList& fieldNames, const QJsonObject& orderBy,
                             quint64 limit, const QJsonArray& where,
                             const QString& extraCondition = QString());

    // Validates a where condition given as JSON text; throws on the first error.
    void checkJsonWhere(const QString& jsonText);

    void setUseRetMode(bool on) { useRetMode = on; }
    bool getUseRetMode() const { return useRetMode; }
    void setUseSavepoint(bool on) { useSavepoint = on; }
    void setSqlConnection(KvoCore::DBSimple* connection) { sqlConnection = connection; }
    KvoCore::DBSimple* getSqlConnection() const { return sqlConnection; }
    // Text of the last statement this object built, for logs and checks.
    const QString& lastStatement() const { return lastSql; }

private:
    QString table() const;
    QString column(const QString& name) const;
    QString now() const;
    bool loadFirstRow(QSqlQuery& query);
    void bindModel(QMap<QString, QVariant>& params) const;
    QString otherFieldsClause(const QStringList& otherFieldNames, QMap<QString, QVariant>& params);
    QString whereColumn(const QString& role) const;
    void validateWhere(const QJsonArray& where, bool skipIncomplete, const char* function) const;
    QString validatedOrder(const QJsonObject& orderBy) const;
    KvoCore::DBSimple* connection() const;

    SharedPointerEx<ModelBase> model;
    KvoCore::DBSimple* sqlConnection = nullptr;
    bool useSavepoint = false;
    bool useRetMode = true;
    QString lastSql;
};

} // namespace KvoModel
