#pragma once

#include "kvoModel/model/FieldProprties.h"
#include "kvoModel/model/SqlFldType.h"
#include "kvoModel/model/SqlReferenceRelationType.h"

#include <QString>
#include <QVariant>

// One field of an entity model: schema (type, flags, default, reference) and the current value.
// The column name is not stored here; it is the key under which the model keeps the descriptor.
class FieldDescr {
public:
    FieldDescr();
    FieldDescr(const FieldProprties& properties, const QString& refTable, const QString& joinField);
    FieldDescr(const QString& value, const FieldProprties& properties, const QString& refTable,
               const QString& joinField);
    FieldDescr(const FieldDescr& other) = default;
    FieldDescr(FieldDescr&& other) = default;
    FieldDescr& operator=(const FieldDescr& other) = default;
    FieldDescr& operator=(FieldDescr&& other) = default;

    FieldDescr& appendFieldProperties(const FieldProprties& p);
    FieldDescr& resetFieldProperties(const FieldProprties& p);
    FieldProprties fieldProperties() const { return properties; }
    bool hasProperty(const FieldProprties& p) const { return (properties & p) != 0; }

    FieldDescr& setName(const QString& title);
    const QString& name() const { return title; }
    FieldDescr& setSize(quint16 n);
    quint16 size() const { return _size; }
    quint32 seqNum() const { return _seqNum; }
    void setSeqNum(quint32 n) { _seqNum = n; }

    FieldDescr& setSimpleSqlDescr(const SqlFldType& type, const bool& notNull, const QVariant& defaultValue);
    FieldDescr& setRefSqlDescr(const QString& refField, const SqlReferenceRelationType& onDelete,
                               const SqlReferenceRelationType& onUpdate, const SqlFldType& type,
                               const bool& notNull, const QVariant& defaultValue);
    // refField = "id"
    FieldDescr& setRefSqlDescr(const SqlReferenceRelationType& onDelete,
                               const SqlReferenceRelationType& onUpdate, const SqlFldType& type,
                               const bool& notNull, const QVariant& defaultValue);

    void setSqlOnDelete(const SqlReferenceRelationType& r) { onDelete = r; }
    void setSqlOnUpdate(const SqlReferenceRelationType& r) { onUpdate = r; }
    SqlReferenceRelationType getSqlOnDelete() const { return onDelete; }
    SqlReferenceRelationType getSqlOnUpdate() const { return onUpdate; }

    // Next number of the process-wide counter; exposed so that tests can see where it stands.
    static quint32 fieldsCount() { return _fields_count; }

private:
    static quint32 nextSeqNum();

    // A 32-bit counter: a 16-bit one wraps after some thousand model constructions in a long session,
    // and a model built across the wrap would list its fields out of declaration order.
    quint32 _seqNum;

public:
    QString title;
    QVariant value;
    FieldProprties properties = fpNormal;
    SqlFldType sqlType = sftNone;

private:
    quint16 _size = 0;

public:
    QString refTable;
    QString refField;
    SqlReferenceRelationType onDelete = srtRestrict;
    SqlReferenceRelationType onUpdate = srtRestrict;
    QString joinField;
    QVariant defaultValue;
    bool notNull = false;

private:
    static quint32 _fields_count;
};
