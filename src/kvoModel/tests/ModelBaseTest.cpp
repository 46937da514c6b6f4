#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using KvoModel::ModelBase;

namespace {

// A small entity of the shape the catalogue uses: a helper mix-in, a reference, a joined field,
// a private field and a transient one.
class CameraModel : public ModelBase, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    CameraModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
        setTblName("camera");

        FieldDescr type(fpReference | fpReadOnly, "cameraType", QString());
        type.setRefSqlDescr(srtCascade, srtSetNull, sftBigInt, false, QVariant());
        fields["rstIdCameraType"] = type;

        FieldDescr name(fpNormal, QString(), QString());
        name.setSimpleSqlDescr(sftText, false, QString()).setName("Device name");
        fields["deviceName"] = name;

        FieldDescr secret(fpPrivate, QString(), QString());
        secret.setSimpleSqlDescr(sftText, false, QVariant());
        fields["secret"] = secret;

        FieldDescr typeCode(fpJoined, "cameraType", "code");
        fields["typeCode"] = typeCode;

        FieldDescr isAdd(fpNotStored, QString(), QString());
        isAdd.setSimpleSqlDescr(sftBool, false, false);
        fields["isAdd"] = isAdd;

        FieldDescr enabled(fpNormal, QString(), QString());
        enabled.setSimpleSqlDescr(sftBool, true, true);
        fields["enabled"] = enabled;
    }
};

class NotNullWithoutDefaultModel : public ModelBase {
public:
    NotNullWithoutDefaultModel() : ModelBase("strict") {
        FieldDescr a(fpNormal, QString(), QString());
        a.setSimpleSqlDescr(sftInt, false, 7);
        fields["a"] = a;
        FieldDescr code(fpNormal, QString(), QString());
        code.setSimpleSqlDescr(sftBigInt, true, QVariant());
        fields["code"] = code;
        FieldDescr z(fpNormal, QString(), QString());
        z.setSimpleSqlDescr(sftInt, false, 9);
        fields["z"] = z;
    }
};

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "<no exception>";
}

} // namespace

TEST(ModelBaseFields, PlainModelHasTheThreeBaseFields) {
    ModelBase model("t");
    EXPECT_EQ(model.fieldsList().keys(), QStringList({"dtInsert", "dtUpdate", "id"}));
    EXPECT_EQ(model.fieldNamesInOrder(), QStringList({"id", "dtUpdate", "dtInsert"}));
    EXPECT_EQ(model.tableName(), "t");
    EXPECT_EQ(model.limit(), 0u);
    EXPECT_EQ(model.logName(), "main");

    const FieldDescr& id = model.getFieldDescr("id");
    EXPECT_EQ(id.name(), "Id");
    EXPECT_EQ(id.sqlType, sftBigInt);
    EXPECT_EQ(id.properties, fpPrimaryKey);
    EXPECT_FALSE(id.notNull);
    EXPECT_FALSE(id.defaultValue.isValid());

    const FieldDescr& upd = model.getFieldDescr("dtUpdate");
    EXPECT_EQ(upd.name(), "Update time");
    EXPECT_EQ(upd.sqlType, sftBigInt);
    EXPECT_EQ(upd.properties, fpUpdateTime);
    EXPECT_TRUE(upd.notNull);
    EXPECT_EQ(upd.defaultValue, QVariant(0));

    const FieldDescr& ins = model.getFieldDescr("dtInsert");
    EXPECT_EQ(ins.name(), "Insert time");
    EXPECT_EQ(ins.properties, fpInsertTime | fpReadOnly);
    EXPECT_TRUE(ins.notNull);
    EXPECT_EQ(ins.defaultValue, QVariant(0));

    EXPECT_LT(id.seqNum(), upd.seqNum());
    EXPECT_LT(upd.seqNum(), ins.seqNum());
}

TEST(ModelBaseFields, SequenceNumbersRiseWithinAndAcrossModels) {
    CameraModel first;
    CameraModel second;
    EXPECT_EQ(first.fieldNamesInOrder(),
              QStringList({"id", "dtUpdate", "dtInsert", "rstIdOwner", "rstIdCameraType", "deviceName",
                           "secret", "typeCode", "isAdd", "enabled"}));
    quint32 maxFirst = 0;
    for (const FieldDescr& f : first.fieldsList()) {
        maxFirst = std::max(maxFirst, f.seqNum());
    }
    for (const FieldDescr& f : second.fieldsList()) {
        EXPECT_GT(f.seqNum(), maxFirst);
    }
    // Copies keep their numbers, so a copied model lists its fields in the same order.
    CameraModel copy = first;
    EXPECT_EQ(copy.getFieldDescr("enabled").seqNum(), first.getFieldDescr("enabled").seqNum());
    ModelBase assigned("x");
    assigned = second;
    EXPECT_EQ(assigned.fieldNamesInOrder(), second.fieldNamesInOrder());
    EXPECT_EQ(assigned.tableName(), "camera");
}

TEST(ModelBaseFields, OwnerHelperAddsCascadingReferenceToOwnerTable) {
    ModelBase::init("users", "userGroup", "sessions", stDevServer);
    CameraModel model;
    ModelBase::init(QString(), QString(), QString(), stUndefined);

    const FieldDescr& owner = model.getFieldDescr("rstIdOwner");
    EXPECT_EQ(owner.name(), "Id owner");
    EXPECT_EQ(owner.properties, fpReference | fpReadOnly);
    EXPECT_EQ(owner.refTable, "users");
    EXPECT_EQ(owner.refField, "id");
    EXPECT_EQ(owner.getSqlOnDelete(), srtCascade);
    EXPECT_EQ(owner.getSqlOnUpdate(), srtCascade);
    EXPECT_EQ(owner.sqlType, sftBigInt);
    EXPECT_TRUE(owner.notNull);
    EXPECT_EQ(owner.defaultValue, QVariant(1));
    EXPECT_TRUE(ModelBase::tnOwner().isEmpty());
}

TEST(FieldDescrSetters, ReferenceDescriptionAndFlags) {
    FieldDescr fd(fpNormal, "device", QString());
    fd.setRefSqlDescr(srtSetDefault, srtNoAction, sftBigInt, true, 1);
    EXPECT_EQ(fd.refField, "id");
    EXPECT_EQ(fd.getSqlOnDelete(), srtSetDefault);
    EXPECT_EQ(fd.getSqlOnUpdate(), srtNoAction);
    // The reference flag comes from the constructor only.
    EXPECT_FALSE(fd.hasProperty(fpReference));

    fd.appendFieldProperties(fpReference | fpUnique).resetFieldProperties(fpNormal | fpUnique);
    EXPECT_EQ(fd.properties, fpReference);

    FieldDescr withValue("abc", fpPrivate, QString(), QString());
    EXPECT_EQ(withValue.value.toString(), "abc");
    EXPECT_GT(withValue.seqNum(), fd.seqNum());
    EXPECT_EQ(withValue.size(), 0);
    EXPECT_EQ(withValue.setSize(32).size(), 32);

    FieldDescr def;
    EXPECT_EQ(def.properties, fpNormal);
    EXPECT_EQ(def.sqlType, sftNone);
    EXPECT_FALSE(def.value.isValid());
    EXPECT_FALSE(def.notNull);
}

TEST(ModelBaseLookup, UnknownFieldThrowsWithLocationAndLeavesModelUnchanged) {
    CameraModel model;
    model.setValue("deviceName", "front door");
    const QMap<QString, QVariant> before = model.dumpFields();

    const std::string valueErr = errorOf([&] { model.value("devicename"); });
    EXPECT_NE(valueErr.find("src/kvoModel/model/ModelBase.cpp::KvoModel::ModelBase::value line: "),
              std::string::npos)
        << valueErr;
    EXPECT_NE(valueErr.find(", no such field 'devicename' in 'camera'"), std::string::npos) << valueErr;

    EXPECT_NE(errorOf([&] { model.setValue("nope", 1); }).find("ModelBase::setValue line: "),
              std::string::npos);
    EXPECT_NE(errorOf([&] { model.getFieldDescr("nope"); }).find("no such field 'nope' in 'camera'"),
              std::string::npos);
    EXPECT_NE(errorOf([&] { model.appendFieldProperties("nope", fpUnique); }).find("appendFieldProperties"),
              std::string::npos);
    EXPECT_NE(errorOf([&] { model.setFieldProperties("nope", fpUnique); }).find("no such field"),
              std::string::npos);
    EXPECT_NE(errorOf([&] { model.resetFieldProperties("nope", fpUnique); }).find("no such field"),
              std::string::npos);
    EXPECT_NE(errorOf([&] { model.getReference("nope"); }).find("no such field"), std::string::npos);

    EXPECT_EQ(model.dumpFields(), before);
    EXPECT_FALSE(model.fieldsList().contains("devicename"));
}

TEST(ModelBasePopulate, FromMapTrimsStringsAndIgnoresUnknownKeys) {
    CameraModel model;
    model.populateFieldsList(QMap<QString, QVariant>{
        {"deviceName", "  Gate camera \t\n"}, {"enabled", false}, {"id", 42}, {"unknownKey", "x"}});
    EXPECT_EQ(model.value("deviceName").toString(), "Gate camera");
    EXPECT_EQ(model.value("enabled"), QVariant(false));
    EXPECT_EQ(model.idValue().toInt(), 42);
    EXPECT_FALSE(model.fieldsList().contains("unknownKey"));
}

TEST(ModelBasePopulate, FromDtoTrimsStringsAndConvertsJsonValues) {
    CameraModel model;
    KvoCore::DTO dto{{"deviceName", "  Hall  "},
                     {"id", 5},
                     {"enabled", true},
                     {"FN", "device_saGetList"},
                     {"secret", QJsonValue::Null}};
    model.populateFieldsList(dto);
    EXPECT_EQ(model.value("deviceName").toString(), "Hall");
    EXPECT_EQ(model.idValue().toLongLong(), 5);
    EXPECT_TRUE(model.value("enabled").toBool());
    EXPECT_TRUE(model.value("secret").isNull());
    EXPECT_FALSE(model.fieldsList().contains("FN"));
}

TEST(ModelBaseOutput, PrivateFieldsOnlyOnRequest) {
    CameraModel model;
    model.setValue("secret", "hash");
    model.setValue("deviceName", "cam");

    KvoCore::DTO without{{"FN", "device_trUpdate"}};
    model.appendFieldListToDto(without, false);
    EXPECT_FALSE(without.params.contains("secret"));
    EXPECT_EQ(without.params.value("deviceName").toString(), "cam");
    EXPECT_EQ(without.params.value("FN").toString(), "device_trUpdate");
    EXPECT_EQ(without.params.size(), model.fieldsList().size()); // all fields but "secret", plus "FN"

    KvoCore::DTO with;
    model.appendFieldListToDto(with, true);
    EXPECT_EQ(with.params.value("secret").toString(), "hash");

    // values() is the whole record.
    EXPECT_EQ(model.values().params.value("secret").toString(), "hash");
    EXPECT_EQ(model.values().params.size(), model.fieldsList().size());
}

TEST(ModelBaseOutput, DumpsAndBindings) {
    ModelBase model("t");
    model.setIdValue(3);
    model.setValue("dtUpdate", 10);
    EXPECT_EQ(model.dumpFieldsToString(), "dtInsert: '', dtUpdate: '10', id: '3', ");
    EXPECT_EQ(model.dumpFieldsValue({"id", "dtUpdate"}), "'id'='3', 'dtUpdate'='10', ");

    QMap<QString, QVariant> params{{"other", 1}};
    model.bindStruct(params);
    EXPECT_EQ(params.value(":id"), QVariant(3));
    EXPECT_EQ(params.value(":dtUpdate"), QVariant(10));
    EXPECT_TRUE(params.contains(":dtInsert"));
    EXPECT_EQ(params.size(), 4);
    EXPECT_NO_THROW(model.bindStruct(static_cast<QSqlQuery*>(nullptr)));
}

TEST(ModelBasePopulate, FromQuerySkipsTransientAndPrivateUnlessAsked) {
    ASSERT_TRUE(QSqlDatabase::isDriverAvailable("QSQLITE"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "populateFromQuery");
        db.setDatabaseName(":memory:");
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE camera (id INTEGER, deviceName TEXT, secret TEXT, isAdd BOOL)"));
        ASSERT_TRUE(q.exec("INSERT INTO camera VALUES (7, 'Yard', 'h4sh', 1)"));

        CameraModel model;
        model.setValue("isAdd", false);
        ASSERT_TRUE(q.exec("SELECT id, deviceName, secret, isAdd FROM camera"));
        ASSERT_TRUE(q.next());
        model.populateFieldsList(q, false);
        EXPECT_EQ(model.idValue().toLongLong(), 7);
        EXPECT_EQ(model.value("deviceName").toString(), "Yard");
        EXPECT_FALSE(model.value("secret").isValid());
        EXPECT_EQ(model.value("isAdd"), QVariant(false));
        EXPECT_FALSE(model.value("enabled").isValid()); // not a column of the result

        model.populateFieldsList(q, true);
        EXPECT_EQ(model.value("secret").toString(), "h4sh");
        EXPECT_EQ(model.value("isAdd"), QVariant(false));

        // Binding by name fills every placeholder the statement has.
        QSqlQuery insert(db);
        ASSERT_TRUE(insert.prepare("INSERT INTO camera (id, deviceName) VALUES (:id, :deviceName)"));
        model.setIdValue(8);
        model.bindStruct(&insert);
        ASSERT_TRUE(insert.exec());
        ASSERT_TRUE(q.exec("SELECT deviceName FROM camera WHERE id = 8"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), "Yard");
    }
    QSqlDatabase::removeDatabase("populateFromQuery");
}

TEST(ModelBaseDefaults, SetsIdReferencesAndDefaults) {
    CameraModel model;
    model.setValue("deviceName", "old");
    model.setValue("typeCode", 77);
    model.setValue("isAdd", true);
    model.populateDefault();
    EXPECT_EQ(model.idValue(), QVariant(1));
    EXPECT_EQ(model.value("rstIdOwner"), QVariant(1));
    // A reference without default still points at the placeholder row.
    EXPECT_EQ(model.value("rstIdCameraType"), QVariant(1));
    EXPECT_EQ(model.value("deviceName"), QVariant(QString()));
    EXPECT_EQ(model.value("enabled"), QVariant(true));
    EXPECT_EQ(model.value("dtUpdate"), QVariant(0));
    // Joined and transient fields are not touched.
    EXPECT_EQ(model.value("typeCode"), QVariant(77));
    EXPECT_EQ(model.value("isAdd"), QVariant(true));
    // A nullable field without default keeps what it had.
    EXPECT_FALSE(model.value("secret").isValid());
}

TEST(ModelBaseDefaults, NotNullWithoutDefaultFailsAndKeepsWhatWasSet) {
    NotNullWithoutDefaultModel model;
    const std::string err = errorOf([&] { model.populateDefault(); });
    EXPECT_NE(err.find("KvoModel::ModelBase::populateDefault line: "), std::string::npos) << err;
    EXPECT_NE(err.find(", field 'code' in table 'strict' is not null, but default value is't set"),
              std::string::npos)
        << err;
    // Fields come in name order: "a" was set before "code" failed, "z" after it was not.
    EXPECT_EQ(model.value("a"), QVariant(7));
    EXPECT_EQ(model.idValue(), QVariant(1));
    EXPECT_FALSE(model.value("z").isValid());
}
