#include "kvoModel/dao/DAO.h"
#include "SqlTestModels.h"
#include "kvoCore/tests/SqlTestBackend.h"
#include "kvoModel/dao/ModelTableCreator.h"
#include "kvoModel/model/OwnerGroupModel.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QThread>
#include <QUuid>
#include <gmock/gmock.h>

using namespace SqlTest;
using KvoModel::DAO;
using KvoModel::ModelBase;
using KvoModel::ModelTableCreator;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace {

QJsonArray jsonArray(const char* text) {
    return QJsonDocument::fromJson(QByteArray(text)).array();
}

QJsonObject jsonObject(const char* text) {
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

std::string str(const QString& s) {
    return s.toStdString();
}

} // namespace

class DAOTest : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ModelTableCreator().checkTables({kind(), item()}, db.data());
    }

    static SharedPointerEx<ModelBase> kind() { return SharedPointerEx<ModelBase>(new KindModel()); }
    static SharedPointerEx<ModelBase> item() { return SharedPointerEx<ModelBase>(new ItemModel()); }

    SharedPointerEx<ModelBase> insertKind(qint64 code, const QString& name) {
        auto m = kind();
        m->populateDefault();
        m->setValue(QStringLiteral("code"), code);
        m->setValue(QStringLiteral("name"), name);
        DAO(m, db.data()).insert();
        return m;
    }

    SharedPointerEx<ModelBase> insertItem(const QString& title, qint64 amount, const QVariant& kindId = 1,
                                          const QVariant& serial = QVariant()) {
        auto m = item();
        m->populateDefault();
        m->setValue(QStringLiteral("title"), title);
        m->setValue(QStringLiteral("amount"), amount);
        m->setValue(QStringLiteral("rstIdKind"), kindId);
        m->setValue(QStringLiteral("serial"), serial);
        DAO(m, db.data()).insert();
        return m;
    }

    int count(const QString& table) {
        QSqlQuery q = db->exec(QStringLiteral("SELECT count(*) FROM ") + table);
        return q.next() ? q.value(0).toInt() : -1;
    }

    QString nowText() const {
        return postgres() ? QStringLiteral("EXTRACT\\(epoch FROM now\\(\\)\\)\\*1000") : "[0-9]{13}";
    }

    QStringList titles(QSqlQuery& q) {
        QStringList result;
        while (q.next()) {
            result << q.value(QStringLiteral("title")).toString();
        }
        return result;
    }
};

TEST_P(DAOTest, InsertStampsTimesWritesUuidAndReadsTheRowBack) {
    auto k = insertKind(7, QStringLiteral("seven"));
    const qint64 before = QDateTime::currentMSecsSinceEpoch() - 1000;
    auto m = item();
    m->populateDefault();
    m->setValue(QStringLiteral("rstIdKind"), k->idValue());
    m->setValue(QStringLiteral("secret"), QStringLiteral("hash"));
    m->setValue(QStringLiteral("note"), QStringLiteral("transient"));
    DAO dao(m, db.data());
    dao.insert();
    const qint64 after = QDateTime::currentMSecsSinceEpoch() + 1000;

    EXPECT_THAT(
        str(dao.lastStatement()),
        MatchesRegex(str(QStringLiteral("^ INSERT INTO item \\(amount,dtInsert,dtUpdate,flag,ratio,rstIdKind,"
                                        "secret,serial,title,uid\\) VALUES \\(:amount,%1,%1,:flag,:ratio,"
                                        ":rstIdKind,:secret,:serial,:title,'\\{[0-9a-f-]{36}\\}'\\)%2$")
                             .arg(nowText(), postgres() ? " RETURNING id" : ""))));
    EXPECT_GT(m->idValue().toLongLong(), 1);
    EXPECT_EQ(m->value(QStringLiteral("title")).toString(),
              QStringLiteral("it's new"));                           // default with a quote
    EXPECT_EQ(m->value(QStringLiteral("kindCode")).toLongLong(), 7); // joined column read back
    const qint64 inserted = m->value(QStringLiteral("dtInsert")).toLongLong();
    EXPECT_GE(inserted, before);
    EXPECT_LE(inserted, after);
    EXPECT_EQ(m->value(QStringLiteral("dtUpdate")).toLongLong(), inserted);
    const QString uid = m->value(QStringLiteral("uid")).toString();
    EXPECT_FALSE(QUuid::fromString(uid).isNull()) << str(uid);
    EXPECT_TRUE(uid.startsWith('{'));

    // The private column is stored but not read into models.
    auto reread = item();
    reread->setIdValue(m->idValue());
    ASSERT_TRUE(DAO(reread, db.data()).getByID());
    EXPECT_FALSE(reread->value(QStringLiteral("secret")).isValid() &&
                 !reread->value(QStringLiteral("secret")).isNull());
    QSqlQuery raw =
        db->execSelect(QStringLiteral("SELECT secret FROM item WHERE id=:id"), {{":id", m->idValue()}});
    ASSERT_TRUE(raw.next());
    EXPECT_EQ(raw.value(0).toString(), QStringLiteral("hash"));

    // An empty QString for a NOT NULL text column is empty text, not NULL.
    auto blank = item();
    blank->populateDefault();
    blank->setValue(QStringLiteral("title"), QString());
    DAO(blank, db.data()).insert();
    EXPECT_EQ(blank->value(QStringLiteral("title")).toString(), QString());

    // A second insert gets its own key and UUID.
    auto other = insertItem(QStringLiteral("b"), 1, k->idValue());
    EXPECT_NE(other->idValue(), m->idValue());
    EXPECT_NE(other->value(QStringLiteral("uid")), m->value(QStringLiteral("uid")));
}

TEST_P(DAOTest, UpdateByIdRewritesOnlyWritableColumns) {
    auto k = insertKind(7, QStringLiteral("seven"));
    auto m = insertItem(QStringLiteral("first"), 5);
    const QVariant uid = m->value(QStringLiteral("uid"));
    const qint64 inserted = m->value(QStringLiteral("dtInsert")).toLongLong();
    QThread::msleep(20);

    m->setValue(QStringLiteral("title"), QStringLiteral("second"));
    m->setValue(QStringLiteral("amount"), 6);
    m->setValue(QStringLiteral("uid"), QStringLiteral("{changed}"));
    m->setValue(QStringLiteral("rstIdKind"), k->idValue());
    m->setValue(QStringLiteral("dtInsert"), 5);
    DAO dao(m, db.data());
    ASSERT_TRUE(dao.updateByID());
    EXPECT_THAT(
        str(dao.lastStatement()),
        MatchesRegex(str(QStringLiteral("^UPDATE item SET amount=:amount,dtUpdate=%1,flag=:flag,ratio=:ratio,"
                                        "secret=:secret,serial=:serial,title=:title WHERE id=:id$")
                             .arg(nowText()))));
    EXPECT_EQ(m->value(QStringLiteral("title")).toString(), QStringLiteral("second"));
    EXPECT_EQ(m->value(QStringLiteral("amount")).toLongLong(), 6);
    EXPECT_EQ(m->value(QStringLiteral("uid")), uid);                  // read-only: reloaded as stored
    EXPECT_EQ(m->value(QStringLiteral("rstIdKind")).toLongLong(), 1); // read-only reference
    EXPECT_EQ(m->value(QStringLiteral("dtInsert")).toLongLong(), inserted);
    EXPECT_GT(m->value(QStringLiteral("dtUpdate")).toLongLong(), inserted);

    // In return mode a vanished row is reported, without it the update just runs.
    m->setIdValue(99999);
    EXPECT_FALSE(dao.updateByID());
    dao.setUseRetMode(false);
    EXPECT_TRUE(dao.updateByID());
}

TEST_P(DAOTest, UpdateByParamsSetsOnlyGivenWritableFields) {
    auto m = insertItem(QStringLiteral("first"), 5, 1, QStringLiteral("S-1"));
    const QVariant uid = m->value(QStringLiteral("uid"));
    QThread::msleep(20);

    auto target = item();
    DAO dao(target, db.data());
    dao.updateByParams(QStringLiteral("uid"), {{QStringLiteral("uid"), uid},
                                               {QStringLiteral("title"), QStringLiteral("patched")},
                                               {QStringLiteral("dtInsert"), 1},
                                               {QStringLiteral("nonsense"), 3}});
    EXPECT_THAT(
        str(dao.lastStatement()),
        MatchesRegex(
            str(QStringLiteral("^UPDATE item SET title=:title,dtUpdate=%1 WHERE uid=:uid$").arg(nowText()))));
    EXPECT_EQ(target->idValue(), m->idValue());
    EXPECT_EQ(target->value(QStringLiteral("title")).toString(), QStringLiteral("patched"));
    EXPECT_EQ(target->value(QStringLiteral("amount")).toLongLong(), 5);
    EXPECT_EQ(target->value(QStringLiteral("dtInsert")), m->value(QStringLiteral("dtInsert")));
    EXPECT_GT(target->value(QStringLiteral("dtUpdate")).toLongLong(),
              m->value(QStringLiteral("dtUpdate")).toLongLong());

    // A key that is not unique is refused before any SQL runs.
    DAO fresh(item(), db.data());
    EXPECT_THAT(errorOf([&] {
                    fresh.updateByParams(QStringLiteral("title"), {{QStringLiteral("amount"), 1}});
                }),
                HasSubstr(", key field 'title' is not unique"));
    EXPECT_TRUE(fresh.lastStatement().isEmpty());
    // Nothing writable left: refused as well rather than only stamping the row.
    EXPECT_THAT(errorOf([&] {
                    fresh.updateByParams(QStringLiteral("serial"), {{QStringLiteral("uid"), uid}});
                }),
                HasSubstr("no writable field"));
    // A key value that matches no row is reported after the update.
    EXPECT_THAT(errorOf([&] {
                    fresh.updateByParams(QStringLiteral("serial"),
                                         {{QStringLiteral("serial"), QStringLiteral("none")},
                                          {QStringLiteral("title"), QStringLiteral("x")}});
                }),
                HasSubstr(", failed to getByUnique. keyParName: 'serial'"));
}

TEST_P(DAOTest, DeletesSparePlaceholderRow) {
    auto a = insertItem(QStringLiteral("a"), 1);
    auto b = insertItem(QStringLiteral("b"), 2);
    auto c = insertItem(QStringLiteral("c"), 2);
    ASSERT_EQ(count(QStringLiteral("item")), 4);

    DAO dao(a, db.data());
    EXPECT_TRUE(dao.deleteByID());
    EXPECT_EQ(dao.lastStatement(), QStringLiteral("DELETE  FROM item WHERE id=:ID"));
    EXPECT_FALSE(dao.recordIsExists());
    EXPECT_EQ(dao.lastStatement(),
              QStringLiteral("\n            SELECT id\n            FROM item\n                  "
                             "WHERE id=:ID\n            LIMIT 1\n            "));

    // Row 1 would take every row referencing it along; it stays.
    a->setIdValue(1);
    EXPECT_THAT(errorOf([&] { dao.deleteByID(); }), HasSubstr("placeholder row (id 1) of table 'item'"));
    EXPECT_TRUE(dao.recordIsExists());

    // amount = 2 but title not "b": only c goes.
    auto probe = item();
    probe->setValue(QStringLiteral("amount"), 2);
    probe->setValue(QStringLiteral("title"), QStringLiteral("b"));
    DAO byField(probe, db.data());
    byField.deleteByField(QStringLiteral("amount"), {QStringLiteral("!title")});
    EXPECT_EQ(
        byField.lastStatement(),
        QStringLiteral("DELETE  FROM item WHERE id > 1 AND amount=:fieldName AND  NOT item.title=:title"));
    EXPECT_TRUE(DAO(b, db.data()).recordIsExists());
    EXPECT_FALSE(DAO(c, db.data()).recordIsExists());

    byField.clearTable();
    EXPECT_EQ(byField.lastStatement(), QStringLiteral("DELETE  FROM item WHERE id > 1 "));
    EXPECT_EQ(count(QStringLiteral("item")), 1);
    EXPECT_EQ(count(QStringLiteral("kind")), 1);
}

TEST_P(DAOTest, ReadsByUniqueKeysAndReferences) {
    auto k7 = insertKind(7, QStringLiteral("seven"));
    auto k8 = insertKind(8, QStringLiteral("eight"));
    auto a = insertItem(QStringLiteral("a"), 1, k7->idValue(), QStringLiteral("S-1"));
    insertItem(QStringLiteral("b"), 1, k8->idValue(), QStringLiteral("S-2"));

    auto m = item();
    m->setValue(QStringLiteral("serial"), QStringLiteral("S-1"));
    m->setValue(QStringLiteral("title"), QStringLiteral("a"));
    DAO dao(m, db.data());
    EXPECT_TRUE(dao.getByUnique(QStringLiteral("serial")));
    EXPECT_EQ(m->idValue(), a->idValue());
    EXPECT_FALSE(dao.getByUnique(QStringLiteral("serial"), {QStringLiteral("!title")}));
    EXPECT_THAT(str(dao.lastStatement()),
                HasSubstr(" WHERE item.serial=:UF AND  NOT item.title=:title LIMIT 1"));
    m->setValue(QStringLiteral("title"), QStringLiteral("other"));
    EXPECT_TRUE(dao.getByUnique(QStringLiteral("serial"), {QStringLiteral("!title")}));
    EXPECT_THAT(errorOf([&] { dao.getByUnique(QStringLiteral("serial"), {QStringLiteral("no_field")}); }),
                HasSubstr("no such field 'no_field' in 'item'"));

    // Unique key plus a column of the referenced row; kindCode already joins "kind".
    auto r = item();
    r->setValue(QStringLiteral("serial"), QStringLiteral("S-1"));
    DAO refs(r, db.data());
    EXPECT_TRUE(
        refs.getByUniqueAndRefs(QStringLiteral("serial"), {QStringLiteral("rstIdKind"), "name", "seven"}));
    EXPECT_THAT(str(refs.lastStatement()),
                ::testing::EndsWith(" WHERE item.serial=:UF AND kind.name=:rstIdKind LIMIT 1"));
    EXPECT_THAT(str(refs.lastStatement()), ::testing::Not(HasSubstr("INNER JOIN")));
    EXPECT_EQ(r->idValue(), a->idValue());
    EXPECT_FALSE(
        refs.getByUniqueAndRefs(QStringLiteral("serial"), {QStringLiteral("rstIdKind"), "name", "eight"}));

    const QList<KvoModel::RefCondition> both{{QStringLiteral("rstIdKind"), "name", "seven"},
                                             {QStringLiteral("rstIdKind"), "code", 7}};
    EXPECT_TRUE(refs.getByUniqueAndRefs(QStringLiteral("serial"), both));
    const QList<KvoModel::RefCondition> clash{{QStringLiteral("rstIdKind"), "name", "seven"},
                                              {QStringLiteral("rstIdKind"), "code", 8}};
    EXPECT_FALSE(refs.getByUniqueAndRefs(QStringLiteral("serial"), clash));
    EXPECT_THAT(errorOf([&] {
                    refs.getByUniqueAndRefs(QStringLiteral("serial"), {QStringLiteral("title"), "name", "x"});
                }),
                HasSubstr("field 'title' is't reference in 'item'"));
}

TEST_P(DAOTest, ListQueriesFilterOrderAndLimit) {
    auto k7 = insertKind(7, QStringLiteral("seven"));
    for (int i = 1; i <= 5; ++i) {
        insertItem(QStringLiteral("t%1").arg(i), i * 10, i == 5 ? k7->idValue() : QVariant(1));
    }
    DAO dao(item(), db.data());
    QSqlQuery q(db->sqlDb());

    dao.entriesList(q, {}, {}, 0, {});
    EXPECT_EQ(titles(q), (QStringList{"t5", "t4", "t3", "t2", "t1"})); // newest first, no placeholder row

    // (amount >= 20 and amount < 50) or (kindCode = 7), ordered by amount, two rows.
    const QJsonArray where = jsonArray(R"([
        {"condition": "and", "expressions": [
            {"role": "amount", "operation": ">=", "value": 20, "condition": "and"},
            {"role": "amount", "operation": "<", "value": 50, "condition": "and"}]},
        {"condition": "or", "expressions": [
            {"role": "kindCode", "operation": "=", "value": 7, "condition": "and"}]}])");
    dao.entriesList(q, {QStringLiteral("title")}, jsonObject(R"({"amount": "desc"})"), 3, where);
    EXPECT_EQ(titles(q), (QStringList{"t5", "t4", "t3"}));
    EXPECT_THAT(
        str(dao.lastStatement()),
        HasSubstr(" WHERE (item.id>1 and (  item.amount >= :json_value_0 and item.amount < :json_value_1 ) "
                  "or (  kind.code = :json_value_2 ))  ORDER BY  item.amount DESC LIMIT 3"));

    dao.entriesList(q, {}, jsonObject(R"({"title": "ASC"})"), 2, where,
                    QStringLiteral("AND item.amount <> 30"));
    EXPECT_EQ(titles(q), (QStringList{"t2", "t4"}));

    dao.entriesList(q, {}, {}, 0, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "title", "operation": "LIKE", "value": "t%", "condition": "and"},
        {"role": "dtUpdate", "operation": ">", "value": 0, "condition": "and"}]}])"));
    EXPECT_EQ(titles(q).size(), 5);
}

TEST_P(DAOTest, WhereTextMatchesTheDocumentedForm) {
    DAO dao(item(), db.data());
    QSqlQuery q(db->sqlDb());
    dao.entriesList(q, {}, {}, 0, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "dtUpdate", "operation": ">", "value": 5, "condition": "and"}]}])"));
    EXPECT_THAT(
        str(dao.lastStatement()),
        ::testing::EndsWith(" FROM item AS item LEFT JOIN kind ON item.rstIdKind=kind.id WHERE (item.id>1 "
                            "and (  item.dtUpdate > :json_value_0 ))  ORDER BY item.id DESC"));
    EXPECT_EQ(dao.qrySelectFromConstructor(),
              QStringLiteral(
                  "SELECT item.amount AS amount, item.dtInsert AS dtInsert, item.dtUpdate AS dtUpdate, "
                  "item.flag AS flag, item.id AS id, kind.code AS kindCode, item.ratio AS ratio, "
                  "item.rstIdKind AS rstIdKind, item.serial AS serial, item.title AS title, item.uid AS uid "
                  "FROM item AS item LEFT JOIN kind ON item.rstIdKind=kind.id"));

    // A group with an empty condition, and incomplete expressions, add nothing.
    dao.entriesList(q, {}, {}, 0, jsonArray(R"([{"condition": "", "expressions": [
        {"role": "title", "operation": "=", "value": "x", "condition": "and"}]},
        {"condition": "and", "expressions": [{"role": "", "operation": "=", "value": 1, "condition": "and"}]}])"));
    EXPECT_THAT(str(dao.lastStatement()), ::testing::EndsWith(" WHERE (item.id>1)  ORDER BY item.id DESC"));
}

TEST_P(DAOTest, UnsafeWhereAndOrderInputIsRefusedBeforeAnySql) {
    insertItem(QStringLiteral("a"), 1);
    DAO dao(item(), db.data());
    QSqlQuery q(db->sqlDb());
    const auto refused = [&](const QJsonObject& order, const QJsonArray& where, const char* message) {
        EXPECT_THAT(errorOf([&] { dao.entriesList(q, {}, order, 0, where); }), HasSubstr(message));
        EXPECT_TRUE(dao.lastStatement().isEmpty()) << str(dao.lastStatement());
    };
    refused({}, jsonArray(R"([{"condition": "and 1=1) --", "expressions": [
        {"role": "title", "operation": "=", "value": "x", "condition": "and"}]}])"),
            "group condition is wrong");
    refused({}, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "title", "operation": "= '' OR 1=1 --", "value": "x", "condition": "and"}]}])"),
            "operation is wrong");
    refused({}, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "title", "operation": "=", "value": "x", "condition": "and 1=1; DROP TABLE item"}]}])"),
            "expression condition is wrong");
    refused({}, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "id; DROP TABLE item", "operation": "=", "value": 1, "condition": "and"}]}])"),
            "role is wrong");
    refused({}, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "secret", "operation": "like", "value": "a%", "condition": "and"}]}])"),
            "role is wrong");
    refused({}, jsonArray(R"([{"condition": "and", "expressions": [
        {"role": "title", "operation": "=", "value": {"x": 1}, "condition": "and"}]}])"),
            "value is wrong");
    refused({}, jsonArray(R"([5])"), "group is not an object");
    refused(jsonObject(R"({"id; DROP TABLE item": "ASC"})"), {}, "order field is wrong");
    refused(jsonObject(R"({"secret": "ASC"})"), {}, "order field is wrong");
    refused(jsonObject(R"({"title": "ASC; DROP TABLE item"})"), {}, "order direction is wrong");

    // Hostile text as a value is only ever a bound parameter.
    dao.entriesList(q, {}, jsonObject(R"({"title": " asc "})"), 0, jsonArray(R"([{"condition": "AND",
        "expressions": [{"role": " title ", "operation": " LIKE ", "value": "x' OR '1'='1", "condition": "Or"}]}])"));
    EXPECT_TRUE(titles(q).isEmpty());
    EXPECT_EQ(count(QStringLiteral("item")), 2);
}

TEST_P(DAOTest, CheckJsonWhereNamesTheFirstError) {
    DAO dao(item(), db.data());
    EXPECT_NO_THROW(dao.checkJsonWhere(QStringLiteral(
        R"([{"condition": " AND ", "expressions": [{"role": " title ", "operation": " LIKE ", "condition": "Or"},
            {"role": "amount", "operation": "<=", "condition": "and"}]}, {"condition": "OR", "expressions": []}])")));
    const std::string group =
        errorOf([&] { dao.checkJsonWhere(QStringLiteral(R"([{"condition": "xor", "expressions": []}])")); });
    EXPECT_THAT(group,
                MatchesRegex("^'src/kvoModel/dao/DAO.cpp::KvoModel::DAO::checkJsonWhere line: [0-9]+', "
                             "descriptions: 'group condition is wrong'\\.$"));
    EXPECT_THAT(
        errorOf([&] { dao.checkJsonWhere(QStringLiteral(R"([{"condition": "", "expressions": []}])")); }),
        HasSubstr("group condition is wrong"));
    const std::string operation = errorOf([&] {
        dao.checkJsonWhere(QStringLiteral(
            R"([{"condition": "and", "expressions": [{"role": "title", "operation": "~", "condition": "and"}]}])"));
    });
    EXPECT_THAT(operation,
                MatchesRegex("^'src/kvoModel/dao/DAO.cpp::KvoModel::DAO::checkJsonWhere line: ([0-9]+)', "
                             "line: '[0-9]+' descriptions: 'operation is wrong'\\.$"));
    EXPECT_THAT(
        errorOf([&] {
            dao.checkJsonWhere(QStringLiteral(
                R"([{"condition": "or", "expressions": [{"role": "nope", "operation": "=", "condition": "and"}]}])"));
        }),
        HasSubstr("descriptions: 'role is wrong'."));
    EXPECT_THAT(
        errorOf([&] {
            dao.checkJsonWhere(QStringLiteral(
                R"([{"condition": "or", "expressions": [{"role": "title", "operation": "=", "condition": "not"}]}])"));
        }),
        HasSubstr("descriptions: 'expression condition is wrong'."));
    EXPECT_THAT(errorOf([&] { dao.checkJsonWhere(QStringLiteral("{}")); }),
                HasSubstr("where is not a JSON array"));
}

TEST_P(DAOTest, ReferencesAreEnforcedAndCascadeOnDelete) {
    auto k7 = insertKind(7, QStringLiteral("seven"));
    insertItem(QStringLiteral("a"), 1, k7->idValue());
    insertItem(QStringLiteral("b"), 1, k7->idValue());
    insertItem(QStringLiteral("c"), 1);
    EXPECT_THAT(errorOf([&] { insertItem(QStringLiteral("orphan"), 1, 4242); }),
                HasSubstr("query exec error"));

    DAO(k7, db.data()).deleteByID();
    QSqlQuery q = db->exec(QStringLiteral("SELECT title FROM item WHERE id > 1"));
    EXPECT_EQ(titles(q), QStringList{"c"});
}

TEST_P(DAOTest, FailedUpdateRollsBackToItsSavepointOnly) {
    db->startTransaction();
    auto a = insertItem(QStringLiteral("a"), 1);
    a->setValue(QStringLiteral("title"), QVariant()); // NOT NULL column
    DAO dao(a, db.data());
    dao.setUseSavepoint(true);
    EXPECT_THAT(errorOf([&] { dao.updateByID(); }), HasSubstr("query exec error"));
    // The transaction goes on (PostgreSQL would refuse every statement without the savepoint).
    insertItem(QStringLiteral("b"), 2);
    ASSERT_TRUE(db->commitTransaction());

    QSqlQuery q = db->exec(QStringLiteral("SELECT title FROM item WHERE id > 1 ORDER BY id"));
    EXPECT_EQ(titles(q), (QStringList{"a", "b"}));

    // Successful updates release their savepoint.
    db->startTransaction();
    a->setValue(QStringLiteral("title"), QStringLiteral("a2"));
    EXPECT_TRUE(dao.updateByID());
    ASSERT_TRUE(db->commitTransaction());
    EXPECT_EQ(a->value(QStringLiteral("title")).toString(), QStringLiteral("a2"));
}

TEST_P(DAOTest, RecordsFromJsonKeepExactTimeStamps) {
    // Values of network records arrive as JSON numbers (doubles).
    auto m = item();
    m->populateDefault();
    m->populateFieldsList(
        KvoCore::DTO(QJsonObject{{"amount", 1733500000123.0}, {"title", "  json  "}, {"flag", true}}));
    DAO(m, db.data()).insert();
    auto back = item();
    back->setIdValue(m->idValue());
    ASSERT_TRUE(DAO(back, db.data()).getByID());
    EXPECT_EQ(back->value(QStringLiteral("amount")).toLongLong(), 1733500000123LL);
    EXPECT_EQ(back->value(QStringLiteral("title")).toString(), QStringLiteral("json"));
    EXPECT_TRUE(back->value(QStringLiteral("flag")).toBool());

    DAO noModel(SharedPointerEx<ModelBase>(), db.data());
    EXPECT_THAT(errorOf([&] { noModel.insert(); }), HasSubstr("Pointer is null!"));
}

INSTANTIATE_TEST_SUITE_P(Backends, DAOTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         backendName);
