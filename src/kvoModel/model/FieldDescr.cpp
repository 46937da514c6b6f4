#include "FieldDescr.h"

quint32 FieldDescr::_fields_count = 0;

quint32 FieldDescr::nextSeqNum() {
    return _fields_count++;
}

FieldDescr::FieldDescr() : _seqNum(nextSeqNum()) {}

FieldDescr::FieldDescr(const FieldProprties& properties, const QString& refTable, const QString& joinField)
    : _seqNum(nextSeqNum()), properties(properties), refTable(refTable), joinField(joinField) {}

FieldDescr::FieldDescr(const QString& value, const FieldProprties& properties, const QString& refTable,
                       const QString& joinField)
    : _seqNum(nextSeqNum()), value(value), properties(properties), refTable(refTable), joinField(joinField) {}

FieldDescr& FieldDescr::appendFieldProperties(const FieldProprties& p) {
    properties |= p;
    return *this;
}

FieldDescr& FieldDescr::resetFieldProperties(const FieldProprties& p) {
    properties &= ~p;
    return *this;
}

FieldDescr& FieldDescr::setName(const QString& t) {
    title = t;
    return *this;
}

FieldDescr& FieldDescr::setSize(quint16 n) {
    _size = n;
    return *this;
}

FieldDescr& FieldDescr::setSimpleSqlDescr(const SqlFldType& type, const bool& nn, const QVariant& def) {
    sqlType = type;
    notNull = nn;
    defaultValue = def;
    return *this;
}

FieldDescr& FieldDescr::setRefSqlDescr(const QString& field, const SqlReferenceRelationType& del,
                                       const SqlReferenceRelationType& upd, const SqlFldType& type,
                                       const bool& nn, const QVariant& def) {
    refField = field;
    onDelete = del;
    onUpdate = upd;
    return setSimpleSqlDescr(type, nn, def);
}

FieldDescr& FieldDescr::setRefSqlDescr(const SqlReferenceRelationType& del,
                                       const SqlReferenceRelationType& upd, const SqlFldType& type,
                                       const bool& nn, const QVariant& def) {
    return setRefSqlDescr(QStringLiteral("id"), del, upd, type, nn, def);
}
