#pragma once

#include "kvoCore/DTO.h"
#include "kvoCore/SharedPointerEx.h"
#include "kvoModel/model/FieldDescr.h"
#include "kvoModel/model/ServerType.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>

class QSqlQuery;

namespace KvoCore {
class DBSimple;
}

namespace KvoModel {

// An entity model: the ordered, typed, flagged field list of one kind of record (its schema and role
// names) together with one record's values. Every model starts with "id", "dtUpdate" and "dtInsert".
class ModelBase {
public:
    using FieldMap = QMap<QString, FieldDescr>;

    ModelBase();
    explicit ModelBase(const QString& tableName);
    ModelBase(const ModelBase& other) = default;
    ModelBase& operator=(const ModelBase& other) = default;
    virtual ~ModelBase();

    // Inserts the system rows of the table (at least the placeholder row with id 1).
    virtual void createSysRecords(KvoCore::DBSimple* db);
    // Sets "id" and every reference to 1 and every stored field to its default; throws for a NOT NULL
    // field without default (the values set before stay).
    virtual void populateDefault();

    quint64 limit() const { return _limit; }
    void setLimit(quint64 limit) { _limit = limit; }
    const QString& tableName() const { return _tableName; }
    void setTblName(const QString& name) { _tableName = name; }
    const QList<QStringList>& tblIndexes() const { return _tblIndexes; }
    void appendTblIndex(const QStringList& columns) { _tblIndexes.append(columns); }
    const std::string& logName() const { return _logName; }
    void setLogName(const std::string& name) { _logName = name; }

    // The fields by column name; declaration order is given by FieldDescr::seqNum.
    FieldMap& fieldsList() { return fields; }
    const FieldMap& fieldsList() const { return fields; }
    // Column names sorted by seqNum, i.e. in declaration order.
    QStringList fieldNamesInOrder() const;

    // All of these throw "no such field" for a name that is not a field.
    FieldDescr& getFieldDescr(const QString& name);
    const FieldDescr& getFieldDescr(const QString& name) const;
    QVariant value(const QString& name) const;
    void setValue(const QString& name, const QVariant& value);
    QVariant idValue() const { return value(QStringLiteral("id")); }
    void setIdValue(const QVariant& v) { setValue(QStringLiteral("id"), v); }

    ModelBase& appendFieldProperties(const QString& name, const FieldProprties& p);
    ModelBase& setFieldProperties(const QString& name, const FieldProprties& p);
    ModelBase& resetFieldProperties(const QString& name, const FieldProprties& p);
    ModelBase& appendFieldProperties4All(const FieldProprties& p);
    ModelBase& setFieldProperties4All(const FieldProprties& p);
    ModelBase& resetFieldProperties4All(const FieldProprties& p);

    void pushFields();
    void popFields();
    void pushFieldsProperties();
    void popFieldsProperties();

    // Unknown keys are ignored; strings are stored trimmed.
    void populateFieldsList(const QMap<QString, QVariant>& values);
    void populateFieldsList(const KvoCore::DTO& dto);
    // From the current row of a query: stored columns present in the result, private ones only on request.
    void populateFieldsList(const QSqlQuery& query, const bool& withPrivate);

    KvoCore::DTO values() const;
    void appendFieldListToDto(KvoCore::DTO& dto, const bool& withPrivate) const;

    QMap<QString, QVariant> dumpFields() const;
    QString dumpFieldsToString() const;
    QString dumpFieldsValue(const QStringList& names) const;

    void bindStruct(QMap<QString, QVariant>& params) const;
    void bindStruct(QSqlQuery* query) const;

    // A new model of the table that reference field `name` points at, made by ModelFactory.
    SharedPointerEx<ModelBase> getReference(const QString& name) const;

    static void init(const QString& tnOwner, const QString& tnGroup, const QString& tnSessions,
                     ServerType srvType);
    static void setTnSessions(const QString& tnSessions);
    static QString& tnOwner();
    static QString& tnGroup();
    static QString& tnSessions();
    static ServerType srvType();

protected:
    [[noreturn]] void throwNoSuchField(const QString& name, const char* function, int line) const;

    // Declare an own field the way every model does: flags, column type, NOT NULL, default and title.
    // An existing field of the same name is replaced.
    FieldDescr& declareField(const QString& name, const FieldProprties& properties, const SqlFldType& type,
                             const bool& notNull, const QVariant& defaultValue,
                             const QString& title = QString()) {
        FieldDescr fd(properties, QString(), QString());
        fd.setSimpleSqlDescr(type, notNull, defaultValue);
        fd.setName(title);
        return fields.insert(name, fd).value();
    }
    // A reference to refTable("id"); the flags must include fpReference.
    FieldDescr& declareReference(const QString& name, const FieldProprties& properties,
                                 const QString& refTable, const SqlReferenceRelationType& onDelete,
                                 const SqlReferenceRelationType& onUpdate, const SqlFldType& type,
                                 const bool& notNull, const QVariant& defaultValue,
                                 const QString& title = QString()) {
        FieldDescr fd(properties, refTable, QString());
        fd.setRefSqlDescr(onDelete, onUpdate, type, notNull, defaultValue);
        fd.setName(title);
        return fields.insert(name, fd).value();
    }
    // Not a column: the value of joinField of the refTable row that the model's reference points at.
    FieldDescr& declareJoined(const QString& name, const QString& refTable, const QString& joinField,
                              const QString& title = QString()) {
        FieldDescr fd(fpJoined, refTable, joinField);
        fd.setSimpleSqlDescr(sftNone, false, QVariant());
        fd.setName(title);
        return fields.insert(name, fd).value();
    }

private:
    FieldDescr& fieldOrThrow(const QString& name, const char* function, int line);
    const FieldDescr& fieldOrThrow(const QString& name, const char* function, int line) const;
    void addBaseFields();

    quint64 _limit = 0;
    QString _tableName;
    QList<QStringList> _tblIndexes;

protected:
    FieldMap fields;

private:
    std::string _logName = "main";
    QList<QMap<QString, FieldProprties>> propertiesStack;
    QList<FieldMap> fieldsStack;

    static QString _tnOwner;
    static QString _tnGroup;
    static QString _tnSessions;
    static ServerType _srvType;
};

} // namespace KvoModel
