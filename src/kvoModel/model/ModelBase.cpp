#include "ModelBase.h"

#include "kvoCore/Location.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/model/ModelFactory.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVector>
#include <algorithm>
#include <stdexcept>

namespace KvoModel {

QString ModelBase::_tnOwner;
QString ModelBase::_tnGroup;
QString ModelBase::_tnSessions;
ServerType ModelBase::_srvType = stUndefined;

ModelBase::ModelBase() {
    addBaseFields();
}

ModelBase::ModelBase(const QString& tableName) : _tableName(tableName) {
    addBaseFields();
}

ModelBase::~ModelBase() = default;

void ModelBase::addBaseFields() {
    FieldDescr id(fpPrimaryKey, QString(), QString());
    id.setSimpleSqlDescr(sftBigInt, false, QVariant());
    id.setName(QCoreApplication::translate("KvoModel::ModelBase", "Id"));
    fields[QStringLiteral("id")] = id;

    FieldDescr dtUpdate(fpUpdateTime, QString(), QString());
    dtUpdate.setSimpleSqlDescr(sftBigInt, true, 0);
    dtUpdate.setName(QCoreApplication::translate("KvoModel::ModelBase", "Update time"));
    fields[QStringLiteral("dtUpdate")] = dtUpdate;

    FieldDescr dtInsert(fpInsertTime | fpReadOnly, QString(), QString());
    dtInsert.setSimpleSqlDescr(sftBigInt, true, 0);
    dtInsert.setName(QCoreApplication::translate("KvoModel::ModelBase", "Insert time"));
    fields[QStringLiteral("dtInsert")] = dtInsert;
}

void ModelBase::throwNoSuchField(const QString& name, const char* function, int line) const {
    throw std::runtime_error(QStringLiteral("%1, no such field '%2' in '%3'")
                                 .arg(KvoCore::location(__FILE__, function, line), name, _tableName)
                                 .toStdString());
}

FieldDescr& ModelBase::fieldOrThrow(const QString& name, const char* function, int line) {
    auto it = fields.find(name);
    if (it == fields.end()) {
        throwNoSuchField(name, function, line);
    }
    return it.value();
}

const FieldDescr& ModelBase::fieldOrThrow(const QString& name, const char* function, int line) const {
    auto it = fields.constFind(name);
    if (it == fields.constEnd()) {
        throwNoSuchField(name, function, line);
    }
    return it.value();
}

QStringList ModelBase::fieldNamesInOrder() const {
    QVector<QPair<quint32, QString>> order;
    order.reserve(fields.size());
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        order.append({it.value().seqNum(), it.key()});
    }
    std::sort(order.begin(), order.end());
    QStringList names;
    names.reserve(order.size());
    for (const auto& entry : order) {
        names.append(entry.second);
    }
    return names;
}

FieldDescr& ModelBase::getFieldDescr(const QString& name) {
    return fieldOrThrow(name, "KvoModel::ModelBase::getFieldDescr", __LINE__);
}

const FieldDescr& ModelBase::getFieldDescr(const QString& name) const {
    return fieldOrThrow(name, "KvoModel::ModelBase::getFieldDescr", __LINE__);
}

QVariant ModelBase::value(const QString& name) const {
    return fieldOrThrow(name, "KvoModel::ModelBase::value", __LINE__).value;
}

void ModelBase::setValue(const QString& name, const QVariant& value) {
    fieldOrThrow(name, "KvoModel::ModelBase::setValue", __LINE__).value = value;
}

ModelBase& ModelBase::appendFieldProperties(const QString& name, const FieldProprties& p) {
    fieldOrThrow(name, "KvoModel::ModelBase::appendFieldProperties", __LINE__).appendFieldProperties(p);
    return *this;
}

ModelBase& ModelBase::setFieldProperties(const QString& name, const FieldProprties& p) {
    fieldOrThrow(name, "KvoModel::ModelBase::setFieldProperties", __LINE__).properties = p;
    return *this;
}

ModelBase& ModelBase::resetFieldProperties(const QString& name, const FieldProprties& p) {
    fieldOrThrow(name, "KvoModel::ModelBase::resetFieldProperties", __LINE__).resetFieldProperties(p);
    return *this;
}

ModelBase& ModelBase::appendFieldProperties4All(const FieldProprties& p) {
    for (auto& f : fields) {
        f.appendFieldProperties(p);
    }
    return *this;
}

ModelBase& ModelBase::setFieldProperties4All(const FieldProprties& p) {
    for (auto& f : fields) {
        f.properties = p;
    }
    return *this;
}

ModelBase& ModelBase::resetFieldProperties4All(const FieldProprties& p) {
    for (auto& f : fields) {
        f.resetFieldProperties(p);
    }
    return *this;
}

void ModelBase::pushFields() {
    fieldsStack.append(fields);
}

void ModelBase::popFields() {
    if (fieldsStack.isEmpty()) {
        throw std::runtime_error(QStringLiteral("%1, No saved field lists in stack")
                                     .arg(KVO_LOCATION("KvoModel::ModelBase::popFields"))
                                     .toStdString());
    }
    fields = fieldsStack.takeLast();
}

void ModelBase::pushFieldsProperties() {
    QMap<QString, FieldProprties> state;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        state.insert(it.key(), it.value().properties);
    }
    propertiesStack.append(state);
}

void ModelBase::popFieldsProperties() {
    if (propertiesStack.isEmpty()) {
        throw std::runtime_error(QStringLiteral("%1, No saved properties states")
                                     .arg(KVO_LOCATION("KvoModel::ModelBase::popFieldsProperties"))
                                     .toStdString());
    }
    const QMap<QString, FieldProprties> state = propertiesStack.takeLast();
    for (auto it = state.cbegin(); it != state.cend(); ++it) {
        auto field = fields.find(it.key());
        // A field removed since the push has nothing to restore.
        if (field != fields.end()) {
            field.value().properties = it.value();
        }
    }
}

void ModelBase::populateFieldsList(const QMap<QString, QVariant>& values) {
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        auto field = fields.find(it.key());
        if (field == fields.end()) {
            continue;
        }
        const QVariant& v = it.value();
        field.value().value = v.type() == QVariant::String ? QVariant(v.toString().trimmed()) : v;
    }
}

void ModelBase::populateFieldsList(const KvoCore::DTO& dto) {
    for (auto it = dto.params.constBegin(); it != dto.params.constEnd(); ++it) {
        auto field = fields.find(it.key());
        if (field == fields.end()) {
            continue;
        }
        const QJsonValue v = it.value();
        field.value().value = v.isString() ? QVariant(v.toString().trimmed()) : v.toVariant();
    }
}

void ModelBase::populateFieldsList(const QSqlQuery& query, const bool& withPrivate) {
    const QSqlRecord record = query.record();
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const FieldDescr& f = it.value();
        if (f.hasProperty(fpNotStored) || (f.hasProperty(fpPrivate) && !withPrivate)) {
            continue;
        }
        const int column = record.indexOf(it.key());
        if (column >= 0) {
            it.value().value = query.value(column);
        }
    }
}

KvoCore::DTO ModelBase::values() const {
    KvoCore::DTO dto;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        dto.params.insert(it.key(), QJsonValue::fromVariant(it.value().value));
    }
    return dto;
}

void ModelBase::appendFieldListToDto(KvoCore::DTO& dto, const bool& withPrivate) const {
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (it.value().hasProperty(fpPrivate) && !withPrivate) {
            continue;
        }
        dto.params.insert(it.key(), QJsonValue::fromVariant(it.value().value));
    }
}

QMap<QString, QVariant> ModelBase::dumpFields() const {
    QMap<QString, QVariant> result;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        result.insert(it.key(), it.value().value);
    }
    return result;
}

static QString valueText(const QVariant& v) {
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

QString ModelBase::dumpFieldsToString() const {
    QString result;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        result += QStringLiteral("%1: '%2', ").arg(it.key(), valueText(it.value().value));
    }
    return result;
}

QString ModelBase::dumpFieldsValue(const QStringList& names) const {
    QString result;
    for (const QString& name : names) {
        result +=
            QStringLiteral("'%1'='%2', ")
                .arg(name,
                     valueText(fieldOrThrow(name, "KvoModel::ModelBase::dumpFieldsValue", __LINE__).value));
    }
    return result;
}

void ModelBase::bindStruct(QMap<QString, QVariant>& params) const {
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        params[QLatin1Char(':') + it.key()] = it.value().value;
    }
}

void ModelBase::bindStruct(QSqlQuery* query) const {
    if (!query) {
        return;
    }
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        query->bindValue(QLatin1Char(':') + it.key(), it.value().value);
    }
}

SharedPointerEx<ModelBase> ModelBase::getReference(const QString& name) const {
    const FieldDescr& f = fieldOrThrow(name, "KvoModel::ModelBase::getReference", __LINE__);
    if (!f.hasProperty(fpReference)) {
        throw std::runtime_error(QStringLiteral("%1, field '%2' is't reference in '%3'")
                                     .arg(KVO_LOCATION("KvoModel::ModelBase::getReference"), name, _tableName)
                                     .toStdString());
    }
    return ModelFactory::createInstance(f.refTable);
}

void ModelBase::populateDefault() {
    setIdValue(1);
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        FieldDescr& f = it.value();
        if (f.hasProperty(fpJoined | fpNotStored)) {
            continue;
        }
        if (!f.refTable.isEmpty()) {
            f.value = 1;
        }
        if (f.defaultValue.isValid()) {
            f.value = f.defaultValue;
        } else if (f.notNull) {
            throw std::runtime_error(
                QStringLiteral("%1, field '%2' in table '%3' is not null, but default value is't set")
                    .arg(KVO_LOCATION("KvoModel::ModelBase::populateDefault"), it.key(), _tableName)
                    .toStdString());
        }
    }
}

namespace {

QVariant zeroValueOf(SqlFldType type) {
    switch (type) {
    case sftFloat:
    case sftDouble:
        return 0.0;
    case sftVarchar:
    case sftText:
        return QString(QLatin1String(""));
    case sftBool:
        return false;
    default:
        return 0;
    }
}

} // namespace

void ModelBase::createSysRecords(KvoCore::DBSimple* db) {
    try {
        // The placeholder row from the base fields alone, so that its other columns take their defaults.
        SharedPointerEx<ModelBase> plain(new ModelBase(_tableName));
        // A NOT NULL column without a default would refuse that row, so it gets its type's zero value.
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            const FieldDescr& f = it.value();
            if (f.notNull && !f.defaultValue.isValid() && !plain->fieldsList().contains(it.key()) &&
                !f.hasProperty(fpJoined) && !f.hasProperty(fpNotStored)) {
                FieldDescr zero(fpNormal, QString(), QString());
                zero.setSimpleSqlDescr(f.sqlType, true, zeroValueOf(f.sqlType));
                plain->fieldsList()[it.key()] = zero;
            }
        }
        DAO dao(plain, db);
        dao.setUseRetMode(false);
        plain->setIdValue(1);
        if (!dao.recordIsExists()) {
            plain->populateDefault();
            dao.insert();
            // Every reference defaults to row 1; a placeholder under another id would leave them dangling.
            if (plain->idValue().toLongLong() != 1) {
                throw std::runtime_error(QStringLiteral("the placeholder row got id %1 instead of 1")
                                             .arg(plain->idValue().toString())
                                             .toStdString());
            }
        }
    } catch (const std::exception& e) {
        throw std::runtime_error(
            QStringLiteral(
                "%1, failed createSysRecords (dao.insert) for table: '%2'.Dao.insert error desc: '%3'")
                .arg(KVO_LOCATION("KvoModel::ModelBase::createSysRecords"), _tableName,
                     QString::fromUtf8(e.what()))
                .toStdString());
    }
}

void ModelBase::init(const QString& tnOwner, const QString& tnGroup, const QString& tnSessions,
                     ServerType srvType) {
    _tnOwner = tnOwner;
    _tnGroup = tnGroup;
    _tnSessions = tnSessions;
    _srvType = srvType;
}

void ModelBase::setTnSessions(const QString& tnSessions) {
    _tnSessions = tnSessions;
}
QString& ModelBase::tnOwner() {
    return _tnOwner;
}
QString& ModelBase::tnGroup() {
    return _tnGroup;
}
QString& ModelBase::tnSessions() {
    return _tnSessions;
}
ServerType ModelBase::srvType() {
    return _srvType;
}

} // namespace KvoModel
