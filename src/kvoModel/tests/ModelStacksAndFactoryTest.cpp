#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/ModelFactory.h"

#include <gtest/gtest.h>

using KvoModel::ModelBase;
using KvoModel::ModelFactory;

namespace {

class LinkModel : public ModelBase {
public:
    LinkModel() : ModelBase("link") {
        FieldDescr target(fpReference, "target", QString());
        target.setRefSqlDescr(srtCascade, srtCascade, sftBigInt, true, 1);
        fields["rstIdTarget"] = target;
        FieldDescr label(fpNormal, QString(), QString());
        label.setSimpleSqlDescr(sftText, false, QString());
        fields["label"] = label;
    }
};

class TargetFactory : public ModelFactory {
public:
    SharedPointerEx<ModelBase> create() override {
        return SharedPointerEx<ModelBase>(new ModelBase("target"));
    }
};

class BrokenFactory : public ModelFactory {
public:
    SharedPointerEx<ModelBase> create() override { return {}; }
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

TEST(ModelBaseStacks, PopWithoutPushThrows) {
    LinkModel model;
    const std::string fieldsErr = errorOf([&] { model.popFields(); });
    EXPECT_NE(fieldsErr.find("KvoModel::ModelBase::popFields line: "), std::string::npos) << fieldsErr;
    EXPECT_NE(fieldsErr.find(", No saved field lists in stack"), std::string::npos) << fieldsErr;

    const std::string propsErr = errorOf([&] { model.popFieldsProperties(); });
    EXPECT_NE(propsErr.find("KvoModel::ModelBase::popFieldsProperties line: "), std::string::npos)
        << propsErr;
    EXPECT_NE(propsErr.find(", No saved properties states"), std::string::npos) << propsErr;
}

TEST(ModelBaseStacks, FieldsComeBackInLastInFirstOutOrder) {
    LinkModel model;
    model.setValue("label", "first");
    model.pushFields();
    model.setValue("label", "second");
    model.getFieldDescr("label").setName("changed title");
    model.pushFields();
    model.setValue("label", "third");
    model.fieldsList().remove("rstIdTarget");

    model.popFields();
    EXPECT_EQ(model.value("label").toString(), "second");
    EXPECT_TRUE(model.fieldsList().contains("rstIdTarget"));
    EXPECT_EQ(model.getFieldDescr("label").name(), "changed title");

    model.popFields();
    EXPECT_EQ(model.value("label").toString(), "first");
    EXPECT_TRUE(model.getFieldDescr("label").name().isEmpty());
    EXPECT_THROW(model.popFields(), std::runtime_error);
}

TEST(ModelBaseStacks, PropertiesRestoreFlagsButKeepValues) {
    LinkModel model;
    model.pushFieldsProperties();
    model.setFieldProperties4All(fpPrivate);
    model.setValue("label", "kept");
    model.pushFieldsProperties();
    model.appendFieldProperties("label", fpUnique).resetFieldProperties("id", fpPrivate);
    EXPECT_EQ(model.getFieldDescr("label").properties, fpPrivate | fpUnique);
    EXPECT_EQ(model.getFieldDescr("id").properties, static_cast<FieldProprties>(0));

    model.popFieldsProperties();
    EXPECT_EQ(model.getFieldDescr("label").properties, fpPrivate);
    EXPECT_EQ(model.getFieldDescr("id").properties, fpPrivate);

    model.popFieldsProperties();
    EXPECT_EQ(model.getFieldDescr("id").properties, fpPrimaryKey);
    EXPECT_EQ(model.getFieldDescr("rstIdTarget").properties, fpReference);
    EXPECT_EQ(model.getFieldDescr("label").properties, fpNormal);
    EXPECT_EQ(model.getFieldDescr("dtInsert").properties, fpInsertTime | fpReadOnly);
    EXPECT_EQ(model.value("label").toString(), "kept");

    model.appendFieldProperties4All(fpIndexed);
    EXPECT_EQ(model.getFieldDescr("label").properties, fpNormal | fpIndexed);
}

TEST(ModelFactoryRegistry, UnknownNullAndRegisteredFactories) {
    const std::string unknown = errorOf([] { ModelFactory::createInstance("device"); });
    EXPECT_EQ(unknown, "Can't create object for model 'device'.");

    BrokenFactory broken;
    ModelFactory::registerFactory("broken", &broken);
    EXPECT_EQ(errorOf([] { ModelFactory::createInstance("broken"); }),
              "Can't create object for model 'broken'. Bad implementation of create() function.");
    ModelFactory::unregisterFactory("broken");

    LinkModel link;
    // Without a factory for the referenced table the reference cannot be followed.
    EXPECT_EQ(errorOf([&] { link.getReference("rstIdTarget"); }), "Can't create object for model 'target'.");

    TargetFactory targets;
    ModelFactory::registerFactory("target", &targets);
    SharedPointerEx<ModelBase> target = link.getReference("rstIdTarget");
    EXPECT_EQ(target->tableName(), "target");
    EXPECT_EQ(target->fieldsList().size(), 3);

    const std::string notRef = errorOf([&] { link.getReference("label"); });
    EXPECT_NE(notRef.find("KvoModel::ModelBase::getReference line: "), std::string::npos) << notRef;
    EXPECT_NE(notRef.find(", field 'label' is't reference in 'link'"), std::string::npos) << notRef;
    ModelFactory::unregisterFactory("target");
    EXPECT_THROW(ModelFactory::createInstance("target"), std::runtime_error);
}
