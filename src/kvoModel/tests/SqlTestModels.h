#pragma once

// Two small entity models for the data-access tests: "kind" and "item", an item referencing a kind
// (cascading), showing the kind's code through a join, with a private, a transient, an auto-UUID and
// a unique writable field.

#include "kvoModel/model/ModelBase.h"

namespace SqlTest {

class KindModel : public KvoModel::ModelBase {
public:
    KindModel() : ModelBase(QStringLiteral("kind")) {
        FieldDescr code(fpUnique | fpReadOnly, QString(), QString());
        code.setSimpleSqlDescr(sftBigInt, true, 1);
        fields[QStringLiteral("code")] = code;
        FieldDescr name(fpNormal, QString(), QString());
        name.setSimpleSqlDescr(sftText, false, QString());
        fields[QStringLiteral("name")] = name;
    }
};

class ItemModel : public KvoModel::ModelBase {
public:
    ItemModel() : ModelBase(QStringLiteral("item")) {
        FieldDescr kind(fpReference | fpReadOnly, QStringLiteral("kind"), QString());
        kind.setRefSqlDescr(srtCascade, srtCascade, sftBigInt, true, 1);
        fields[QStringLiteral("rstIdKind")] = kind;
        FieldDescr kindCode(fpJoined, QStringLiteral("kind"), QStringLiteral("code"));
        fields[QStringLiteral("kindCode")] = kindCode;
        FieldDescr title(fpNormal, QString(), QString());
        title.setSimpleSqlDescr(sftText, true, QStringLiteral("it's new"));
        fields[QStringLiteral("title")] = title;
        FieldDescr uid(fpAutoUuid | fpReadOnly, QString(), QString());
        uid.setSimpleSqlDescr(sftText, false, QVariant());
        fields[QStringLiteral("uid")] = uid;
        FieldDescr serial(fpUnique, QString(), QString());
        serial.setSimpleSqlDescr(sftVarchar, false, QVariant());
        fields[QStringLiteral("serial")] = serial;
        FieldDescr secret(fpPrivate, QString(), QString());
        secret.setSimpleSqlDescr(sftText, false, QVariant());
        fields[QStringLiteral("secret")] = secret;
        FieldDescr amount(fpNormal, QString(), QString());
        amount.setSimpleSqlDescr(sftBigInt, true, 0);
        fields[QStringLiteral("amount")] = amount;
        FieldDescr ratio(fpIndexed, QString(), QString());
        ratio.setSimpleSqlDescr(sftDouble, false, 0.5);
        fields[QStringLiteral("ratio")] = ratio;
        FieldDescr flag(fpNormal, QString(), QString());
        flag.setSimpleSqlDescr(sftBool, true, false);
        fields[QStringLiteral("flag")] = flag;
        FieldDescr note(fpNotStored, QString(), QString());
        note.setSimpleSqlDescr(sftText, false, QVariant());
        fields[QStringLiteral("note")] = note;
        appendTblIndex({QStringLiteral("title"), QStringLiteral("amount")});
        appendTblIndex({QStringLiteral("UNIQUE"), QStringLiteral("serial"), QStringLiteral("flag")});
    }
};

} // namespace SqlTest
