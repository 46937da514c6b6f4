#include "kvoCore/DTO.h"

#include <QJsonArray>
#include <QPointF>

#include <gtest/gtest.h>

using KvoCore::DTO;

TEST(DTOMerge, LaterValuesReplaceEarlierOnesAndChain) {
    DTO dto{{"FN", "device_trGetList"}, {"a", 1}, {"FN", "device_trInfo"}};
    EXPECT_EQ(dto.params.value("FN").toString(), "device_trInfo");

    DTO other{{"FN", "users_trGetList"}, {"b", true}};
    dto.appendParamsFromDTO(other).appendParams(QVariantMap{{"c", QStringLiteral("x")}, {"a", 2}});
    EXPECT_EQ(dto.params.value("FN").toString(), "users_trGetList");
    EXPECT_EQ(dto.params.value("a").toInt(), 2);
    EXPECT_TRUE(dto.params.value("b").toBool());
    EXPECT_EQ(dto.params.value("c").toString(), "x");
}

TEST(DTOMerge, VariantWithoutJsonCounterpartBecomesNull) {
    DTO dto(QVariantMap{{"p", QVariant::fromValue(QPointF(1, 2))}});
    EXPECT_TRUE(dto.params.contains("p"));
    EXPECT_TRUE(dto.params.value("p").isNull());
}

TEST(DTOMerge, PrivateParamsCopyOnlyUnderscoreKeys) {
    DTO source{{"_receiver", "42"}, {"name", "cam"}, {"_request", QJsonObject{{"x", 1}}}};
    DTO target{{"name", "keep"}};
    target.appendPrivateParams(source);
    EXPECT_EQ(target.params.value("_receiver").toString(), "42");
    EXPECT_EQ(target.params.value("name").toString(), "keep");
    EXPECT_TRUE(target.params.value("_request").isObject());
    EXPECT_EQ(target.params.size(), 3);
}

TEST(DTOSerialise, CompactAndIndentedForms) {
    DTO empty(QVariantMap{});
    EXPECT_EQ(empty.data(QJsonDocument::Compact), QByteArray("{}"));

    DTO dto{{"b", 2}, {"a", "x"}};
    // Keys come out sorted; compact has no white space and no line end.
    EXPECT_EQ(dto.data(QJsonDocument::Compact), QByteArray(R"({"a":"x","b":2})"));
    const QByteArray indented = dto.data(QJsonDocument::Indented);
    EXPECT_TRUE(indented.endsWith('\n'));
    EXPECT_TRUE(indented.contains("\n    \"a\": \"x\""));
}

TEST(DTOParse, JsonObjectTextIsMerged) {
    DTO dto{{"a", 1}};
    dto.appendParamsFromJSONJObject(R"({"a":5,"n":null,"arr":[1,2]})");
    EXPECT_EQ(dto.params.value("a").toInt(), 5);
    EXPECT_TRUE(dto.params.value("n").isNull());
    EXPECT_EQ(dto.params.value("arr").toArray().size(), 2);
}

TEST(DTOParse, InvalidTextThrowsAndLeavesRecordUnchanged) {
    DTO dto{{"a", 1}};
    const QByteArray before = dto.data(QJsonDocument::Compact);
    try {
        dto.appendParamsFromJSONJObject("{\"a\": 2,");
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("KvoCore::DTO::appendParamsFromJSONJObject line: "), std::string::npos) << what;
        EXPECT_NE(what.find(". Failed to parse 'jsonObject': '"), std::string::npos) << what;
        // Qt's parser text for an unfinished object.
        EXPECT_NE(
            what.find(QJsonParseError{0, QJsonParseError::UnterminatedObject}.errorString().toStdString()),
            std::string::npos)
            << what;
    }
    EXPECT_EQ(dto.data(QJsonDocument::Compact), before);
    EXPECT_THROW(dto.appendParamsFromJSONJObject("[1,2]"), std::runtime_error);
    EXPECT_EQ(dto.data(QJsonDocument::Compact), before);
}

TEST(DTOShared, MakeSharedCopiesIndependently) {
    DTO dto{{"a", 1}};
    SpDto sp = DTO::makeShared(dto);
    sp->params.insert("a", 2);
    EXPECT_EQ(dto.params.value("a").toInt(), 1);

    QList<DTO> list{DTO{{"i", 0}}, DTO{{"i", 1}}};
    QList<SpDto> shared = DTO::makeShared(list);
    ASSERT_EQ(shared.size(), 2);
    EXPECT_EQ(shared[1]->params.value("i").toInt(), 1);
    shared[0]->params.insert("i", 9);
    EXPECT_EQ(list[0].params.value("i").toInt(), 0);
}
