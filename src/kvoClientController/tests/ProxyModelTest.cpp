#include "ListModelSupport.h"

#include <QSignalSpy>

using namespace ListTest;

namespace {

// Counts the rows the filter looks at, to tell how often it ran.
class CountingProxy : public ProxyModel {
public:
    mutable int filterCalls = 0;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override {
        ++filterCalls;
        return ProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    }
};

class ProxyModelTest : public ModelTesterFixture {
protected:
    void SetUp() override {
        ModelTesterFixture::SetUp();
        source.setEntityModel(makeEntity());
        watch(&source);
        watch(&proxy);
    }
    void fill() {
        source.addRow(record(2, 1, "red car", 10));
        source.addRow(record(5, 1, "car is red", 2));
        source.addRow(record(3, 1, "red bus", 9));
        source.addRow(record(4, 1, "cam (1)", 1));
        proxy.setOriginalModel(&source);
    }
    OriginalModel source;
    CountingProxy proxy;
};

} // namespace

TEST_F(ProxyModelTest, AttachingSortsByIdDescendingAndSearchesEveryRole) {
    source.addRow(record(2, 1, "b"));
    source.addRow(record(9, 1, "a"));
    QSignalSpy sortedRole(&proxy, &ProxyModel::sortedRoleChanged);
    proxy.sortRows("name", Qt::AscendingOrder);
    ASSERT_EQ(sortedRole.size(), 1);
    proxy.setOriginalModel(&source);
    EXPECT_EQ(ids(proxy), (QList<qint64>{9, 2}));
    EXPECT_EQ(proxy.sortedRole(), "id");
    EXPECT_EQ(sortedRole.size(), 2);
    EXPECT_EQ(proxy.sortOrder(), Qt::DescendingOrder);

    // A value of any role is found, numbers included.
    proxy.setFilterPattern("^2$");
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
    proxy.setFilterPattern("^a$");
    EXPECT_EQ(ids(proxy), (QList<qint64>{9}));
}

TEST_F(ProxyModelTest, EmptyPatternShowsAllAndEmptyRoleListNothing) {
    fill();
    QSignalSpy finished(&proxy, &ProxyModel::filterFinished);
    proxy.setFilterPattern("bus");
    EXPECT_EQ(proxy.rowCount(), 1);
    EXPECT_EQ(proxy.getFilterRowCount(), 1);
    proxy.setFilterPattern("");
    EXPECT_EQ(proxy.rowCount(), 4);
    EXPECT_EQ(proxy.getFilterRowCount(), 4);
    EXPECT_EQ(finished.size(), 2);

    proxy.setFilterFields({});
    EXPECT_EQ(proxy.rowCount(), 0);
    proxy.setFilterFields({"name"});
    EXPECT_EQ(proxy.rowCount(), 4);
    proxy.setFilterPattern("^1");
    EXPECT_EQ(proxy.rowCount(), 0) << "count is not searched any more";

    // A search role the model does not have is skipped with a warning.
    LogCapture log;
    proxy.setFilterFields({"nope", "count"});
    EXPECT_EQ(ids(proxy), (QList<qint64>{4, 2}));
    EXPECT_TRUE(log.contains("ProxyModel::filterAcceptsRow(): role 'nope' not found in original model"));
}

TEST_F(ProxyModelTest, ExtendedSearchWantsEveryWordInAnyOrder) {
    fill();
    proxy.setFilterFields({"name"});
    proxy.setFilterPattern("red car");
    EXPECT_EQ(proxy.searchExpression().pattern(), "(?=.*red)(?=.*car)");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 2}));
    proxy.setFilterPattern("RED");
    EXPECT_EQ(proxy.searchExpression().pattern(), "RED");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3, 2}));

    QSignalSpy changed(&proxy, &ProxyModel::extendedSearchChanged);
    proxy.setExtendedSearch(false);
    proxy.setExtendedSearch(false);
    EXPECT_EQ(changed.size(), 1);
    proxy.setFilterPattern("red car");
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
}

TEST_F(ProxyModelTest, InvalidExpressionIsMatchedAsTypedText) {
    fill();
    proxy.setFilterFields({"name"});
    LogCapture log;
    proxy.setFilterPattern("cam (1");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));
    EXPECT_TRUE(log.contains("is not a valid expression"));
    proxy.setFilterPattern("(1");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));

    // Valid expressions keep their meaning.
    proxy.setFilterPattern("c.r");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 2}));
    proxy.setFilterPattern("cam \\(1");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));
}

TEST_F(ProxyModelTest, HardFiltersCompareByFieldType) {
    fill();
    source.updateValue(QStringLiteral("2"), "ratio", 2.5);
    source.updateValue(QStringLiteral("5"), "ratio", 10.25);
    source.updateValue(QStringLiteral("2"), "serial", "10");
    source.updateValue(QStringLiteral("5"), "serial", "9");

    proxy.setHardFilterRole("count", ">=", 2);
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3, 2})) << "10 >= 2 as numbers";
    proxy.setHardFilterRole("count", "<", "9");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 4}));
    proxy.setHardFilterRole("ratio", ">", 3);
    EXPECT_EQ(ids(proxy), (QList<qint64>{5}));
    proxy.setHardFilterRole("ratio", "<=", 2.5);
    EXPECT_EQ(ids(proxy), (QList<qint64>{4, 3, 2}));
    // A text column orders as numbers too when the operation is an ordering one.
    proxy.setHardFilterRole("serial", ">", 9.5);
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
    proxy.setHardFilterRole("name", "=", "red bus");
    EXPECT_EQ(ids(proxy), (QList<qint64>{3}));
    proxy.setHardFilterRole("count", "=", 10.0);
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
    proxy.setHardFilterRole("count", "!=", "10");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 4, 3}));

    LogCapture log;
    proxy.setHardFilterRole("count", "~", 1);
    EXPECT_EQ(proxy.rowCount(), 0);
    EXPECT_TRUE(log.contains("critical src/kvoClientController/controller/ProxyModel.cpp::"
                             "ProxyModel::filterAcceptsRow, description: Invalid expression operation '~'."));

    proxy.clearHardFilter();
    EXPECT_EQ(proxy.rowCount(), 4);
}

TEST_F(ProxyModelTest, HardFilteredRoleLeavesTheSearch) {
    fill();
    proxy.setFilterPattern("^10$");
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
    proxy.appendHardFilterRole("count", ">", 0);
    EXPECT_EQ(proxy.rowCount(), 0) << "count is filtered, so it is not searched";
    proxy.removeHardFilterRole("count");
    EXPECT_EQ(ids(proxy), (QList<qint64>{2}));
}

TEST_F(ProxyModelTest, ConditionsCombineWithinAndBetweenGroups) {
    fill();
    // "or" of the first filter joins it with the second.
    proxy.appendHardFilterRole("count", "=", 10, "or");
    proxy.appendHardFilterRole("count", "=", 1);
    EXPECT_EQ(ids(proxy), (QList<qint64>{4, 2}));
    proxy.clearHardFilter();
    proxy.appendHardFilterRole("count", ">", 1, "and");
    proxy.appendHardFilterRole("name", "!=", "red bus");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 2}));

    // Groups: default AND (g: id = 4 OR id = 3) gives the rows both sides accept.
    proxy.clearHardFilter();
    proxy.appendHardFilterGroup("g", "and");
    proxy.appendHardFilterRole("count", ">", 1);
    proxy.appendHardFilterRole("id", "=", 3, "or", "g");
    proxy.appendHardFilterRole("id", "=", 4, "and", "g");
    EXPECT_EQ(ids(proxy), (QList<qint64>{3}));

    // The condition of a group joins it with the next one.
    proxy.clearHardFilterGroup();
    proxy.appendHardFilterGroup("default", "or");
    proxy.appendHardFilterGroup("g", "and");
    proxy.invalidateFilter();
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 4, 3, 2}));

    // A group with no filter is neutral under "and".
    proxy.removeHardFilterRole("id");
    proxy.removeHardFilterGroup("default");
    proxy.appendHardFilterGroup("default", "and");
    proxy.invalidateFilter();
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3, 2}));

    proxy.removeHardFilterRole("count", "7");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3, 2}));
    proxy.removeHardFilterRole("count", "1");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 4, 3, 2}));
}

TEST_F(ProxyModelTest, UnknownGroupRejectsEveryRowWithWarning) {
    fill();
    LogCapture log;
    proxy.appendHardFilterRole("count", ">", 0, "and", "x");
    EXPECT_EQ(proxy.rowCount(), 0);
    EXPECT_TRUE(log.contains("_group_filter_exp doesn't contain value for key='x'"));
    proxy.appendHardFilterGroup("x", "and");
    proxy.invalidateFilter();
    EXPECT_EQ(proxy.rowCount(), 4);

    // Without groups, filters of "default" name a group that is gone.
    proxy.setHardFilterRole("count", ">", 0);
    EXPECT_EQ(proxy.rowCount(), 4) << "setHardFilterRole dropped the filter of group x";
    proxy.clearHardFilterGroup();
    proxy.invalidateFilter();
    EXPECT_EQ(proxy.rowCount(), 0);
    EXPECT_TRUE(log.contains("key='default'"));
    proxy.appendHardFilterGroup("default", "and");
    proxy.invalidateFilter();
    EXPECT_EQ(proxy.rowCount(), 4);
}

TEST_F(ProxyModelTest, PrepareModeRunsTheFilterOnceAtTheEnd) {
    fill();
    QSignalSpy prepare(&proxy, &ProxyModel::isPrepareModeChanged);
    proxy.beginPrepare();
    EXPECT_TRUE(proxy.isPrepareMode());
    proxy.filterCalls = 0;
    proxy.appendHardFilterRole("count", ">", 1);
    proxy.appendHardFilterRole("count", "<", 10);
    proxy.appendHardFilterRole("name", "!=", "x");
    proxy.setExtendedSearch(false);
    source.updateValue(0, "count", 3);
    EXPECT_EQ(proxy.filterCalls, 0);
    EXPECT_EQ(proxy.rowCount(), 4);
    // The search text is not held back (count and name have hard filters and are not searched).
    proxy.setFilterPattern(".");
    EXPECT_EQ(proxy.filterCalls, source.rowCount());
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3}));
    proxy.filterCalls = 0;

    proxy.endPrepare();
    EXPECT_EQ(proxy.filterCalls, source.rowCount());
    EXPECT_FALSE(proxy.isPrepareMode());
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3}));
    ASSERT_EQ(prepare.size(), 2);
    EXPECT_FALSE(prepare.at(1).at(0).toBool());

    // Outside prepare mode a changed value re-runs the filter at once.
    source.updateValue(QStringLiteral("4"), "count", 5);
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 4, 3}));
}

TEST_F(ProxyModelTest, SortIsTypedCaseInsensitiveAndTiesGoById) {
    source.addRow(record(1, 1, "Banana", 10));
    source.addRow(record(2, 1, "apple", 9));
    source.addRow(record(3, 1, "cherry", 10));
    source.addRow(record(4, 1, "apple", 100));
    source.addRow(record(5, 1, "Apple", 9));
    proxy.setOriginalModel(&source);

    QSignalSpy started(&proxy, &ProxyModel::sortStarted);
    QSignalSpy finished(&proxy, &ProxyModel::sortFinished);
    proxy.sortRows("name", Qt::AscendingOrder);
    // "apple", "Apple", "apple" are equal ignoring case and go by id.
    EXPECT_EQ(ids(proxy), (QList<qint64>{2, 4, 5, 1, 3}));
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(finished.size(), 1);

    proxy.sortRows("count", Qt::AscendingOrder);
    EXPECT_EQ(ids(proxy), (QList<qint64>{2, 5, 1, 3, 4})) << "9 < 10 < 100, equal counts by id";
    proxy.sortRows("count", Qt::DescendingOrder);
    EXPECT_EQ(ids(proxy), (QList<qint64>{4, 3, 1, 5, 2}));

    // The remembered role and order are used again, also after values changed.
    source.updateValue(QStringLiteral("2"), "count", 1000);
    proxy.sortRows();
    EXPECT_EQ(ids(proxy), (QList<qint64>{2, 4, 3, 1, 5}));

    // A filter run keeps the sort.
    proxy.setFilterPattern("^a");
    EXPECT_EQ(ids(proxy), (QList<qint64>{2, 4, 5}));
}

TEST_F(ProxyModelTest, LookupsWorkOnProxyRows) {
    fill();
    proxy.setHardFilterRole("count", ">", 2);
    EXPECT_EQ(ids(proxy), (QList<qint64>{3, 2}));
    EXPECT_EQ(proxy.checkValueByRole("name", "red car"), 1);
    EXPECT_EQ(proxy.checkValueByRole("name", "cam (1)"), -1);
    EXPECT_EQ(proxy.checkValueByRole(QStringList{"name", "count"}, QVariantList{"red bus", 9}), 0);
    EXPECT_EQ(proxy.checkValueByRole(QStringList{}, QVariantList{}), 0);
    EXPECT_EQ(proxy.proxyData(1, "name").toString(), "red car");
    EXPECT_FALSE(proxy.proxyData(2, "name").isValid());
    EXPECT_EQ(proxy.proxyData("name", "red bus", "count").toInt(), 9);
    EXPECT_FALSE(proxy.proxyData("name", "car is red", "count").isValid());
    EXPECT_FALSE(proxy.showAllByZeroSearch());
}

TEST_F(ProxyModelTest, SourceChangesReachTheProxy) {
    fill();
    proxy.setFilterFields({"name"});
    proxy.setFilterPattern("red");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5, 3, 2}));
    source.addRow(record(9, 2, "red van"));
    source.addRows({record(8, 2, "blue van"), record(7, 2, "red tram"), record(3, 5, "green bus")});
    proxy.invalidateFilter();
    EXPECT_EQ(ids(proxy), (QList<qint64>{9, 7, 5, 2}));
    source.delRow("9");
    source.removeRow(0);
    EXPECT_EQ(ids(proxy), (QList<qint64>{7, 5, 2}));
    source.clear();
    EXPECT_EQ(proxy.rowCount(), 0);
}

TEST_F(ProxyModelTest, ProxyOutlivesItsSource) {
    auto* temporary = new OriginalModel;
    temporary->setEntityModel(makeEntity());
    temporary->addRow(record(2, 1, "x"));
    proxy.setOriginalModel(temporary);
    EXPECT_EQ(proxy.rowCount(), 1);
    delete temporary;
    EXPECT_EQ(proxy.rowCount(), 0);
    proxy.setFilterPattern("x");
    proxy.sortRows("name", Qt::AscendingOrder);
    EXPECT_EQ(proxy.rowCount(), 0);
}

// Plain words are looked for before the expression runs; the outcome must be the expression's.
TEST_F(ProxyModelTest, PlainWordSearchAgreesWithTheExpression) {
    source.addRow({{"id", 2}, {"dtUpdate", 1}, {"name", "Red\ncar"}, {"count", 0}});
    source.addRow({{"id", 3}, {"dtUpdate", 1}, {"name", "RED CAR"}, {"count", 0}});
    source.addRow({{"id", 4}, {"dtUpdate", 1}, {"name", "x"}, {"count", 1.5e12}, {"ratio", -2.5}});
    source.addRow({{"id", 5}, {"dtUpdate", 1}, {"name", "STRASSE"}, {"count", 0}});
    proxy.setOriginalModel(&source);
    // "." does not cross a line break, so both words must stand on one line.
    proxy.setFilterPattern("red car");
    EXPECT_EQ(ids(proxy), (QList<qint64>{3}));
    proxy.setFilterPattern("car");
    EXPECT_EQ(ids(proxy), (QList<qint64>{3, 2}));
    // Numbers are searched in their printed form.
    proxy.setFilterPattern("e+12");
    EXPECT_EQ(ids(proxy), (QList<qint64>{})) << "a quantifier, not a plus sign";
    proxy.setFilterPattern("e\\+12");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));
    proxy.setFilterPattern("12");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));
    proxy.setFilterPattern("-2");
    EXPECT_EQ(ids(proxy), (QList<qint64>{4}));
    proxy.setFilterPattern("x 1.5");
    EXPECT_EQ(ids(proxy), (QList<qint64>{})) << "the words stand in different roles";
    proxy.setFilterPattern("strasse");
    EXPECT_EQ(ids(proxy), (QList<qint64>{5}));
    // A role the row does not carry is searched as an empty text.
    proxy.setFilterFields({"serial"});
    proxy.setFilterPattern("^$");
    EXPECT_EQ(proxy.rowCount(), 4);
}
