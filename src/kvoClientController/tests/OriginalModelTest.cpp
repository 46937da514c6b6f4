#include "ListModelSupport.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <algorithm>

using namespace ListTest;

namespace {

class OriginalModelTest : public ModelTesterFixture {
protected:
    void SetUp() override {
        ModelTesterFixture::SetUp();
        model.setEntityModel(makeEntity());
        watch(&model);
    }
    OriginalModel model;
};

} // namespace

TEST_F(OriginalModelTest, RolesAreFieldNamesInNameOrder) {
    const QStringList expected{"count", "dtInsert", "dtUpdate", "id", "name", "ratio", "serial"};
    EXPECT_EQ(model.getRoleListForQml(), expected);
    const auto names = model.roleNames();
    EXPECT_EQ(names.size(), expected.size());
    EXPECT_EQ(names.value(Qt::UserRole + 1), "count");
    EXPECT_EQ(names.value(Qt::UserRole + 5), "name");
    EXPECT_EQ(model.roleNumber("id"), Qt::UserRole + 4);
    EXPECT_EQ(model.roleNumber("nope"), Qt::UserRole);
}

TEST_F(OriginalModelTest, RowsStayInDescendingIdOrderWhateverTheArrivalOrder) {
    QSignalSpy counts(&model, &OriginalModel::rowCountChanged);
    model.addRow(record(5, 1));
    ASSERT_EQ(counts.size(), 1);
    EXPECT_EQ(counts.at(0).at(0).toInt(), 1);
    model.addRow(record(9, 1));
    model.addRow(record(7, 1));
    EXPECT_EQ(ids(model), (QList<qint64>{9, 7, 5}));
    EXPECT_EQ(counts.size(), 3);

    // Ids as they come from JSON (doubles) and as texts order numerically, not as text.
    model.addRow({{"id", 10.0}, {"dtUpdate", 1}});
    model.addRow({{"id", QStringLiteral("100")}, {"dtUpdate", 1}});
    model.addRow({{"id", 1}, {"dtUpdate", 1}});
    EXPECT_EQ(ids(model), (QList<qint64>{100, 10, 9, 7, 5, 1}));

    OriginalModel shuffled;
    shuffled.setEntityModel(makeEntity());
    const auto shuffledTester = tester(&shuffled);
    QList<qint64> all;
    for (qint64 id = 2; id < 300; id += 3) {
        all.append(id * 1000003);
    }
    QList<qint64> order = all;
    std::shuffle(order.begin(), order.end(), *QRandomGenerator::global());
    for (qint64 id : order) {
        shuffled.addRow(record(id, 1));
    }
    std::sort(all.begin(), all.end(), std::greater<qint64>());
    EXPECT_EQ(ids(shuffled), all);
    for (int row = 0; row < all.size(); ++row) {
        ASSERT_EQ(shuffled.findId(QString::number(all.at(row))), row);
    }
    EXPECT_EQ(shuffled.findId("4"), -1);
    EXPECT_EQ(shuffled.findId(QString::number(all.last() - 1)), -1);
    EXPECT_EQ(shuffled.findId(QString::number(all.first() + 1)), -1);
}

TEST_F(OriginalModelTest, RecordWithoutNumericIdIsRejectedWithWarning) {
    LogCapture log;
    model.addRow({{"name", "no id"}});
    model.addRow({{"id", "abc"}, {"name", "bad id"}});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(log.contains("without a numeric 'id'"));
}

TEST_F(OriginalModelTest, ExistingRecordIsUpdatedOnlyByEqualNewerOrEmptyDtUpdate) {
    model.addRow(record(3, 100, "first", 1));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy listChanged(&model, &OriginalModel::dataListChanged);
    QSignalSpy counts(&model, &OriginalModel::rowCountChanged);

    model.addRow(record(3, 99, "older", 2));
    EXPECT_EQ(model.originalData(0, "name").toString(), "first");
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(listChanged.size(), 0);

    model.addRow(record(3, 100, "same time", 3));
    EXPECT_EQ(model.originalData(0, "name").toString(), "same time");
    EXPECT_EQ(model.originalData(0, "count").toInt(), 3);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 0);
    ASSERT_EQ(listChanged.size(), 1);
    EXPECT_EQ(listChanged.at(0).at(0).toInt(), 0);

    model.addRow(record(3, 150, "newer", 4));
    EXPECT_EQ(model.originalData(0, "name").toString(), "newer");

    // Without a time stamp the record is taken as it comes; keys that are not roles are not stored.
    model.addRow({{"id", 3}, {"dtUpdate", ""}, {"name", "no time"}, {"extra", 1}});
    EXPECT_EQ(model.originalData(0, "name").toString(), "no time");
    EXPECT_FALSE(model.originalData(0).contains("extra"));
    EXPECT_EQ(model.originalData(0, "dtUpdate").toString(), "");
    model.addRow({{"id", 3}, {"name", "absent time"}});
    EXPECT_EQ(model.originalData(0, "name").toString(), "absent time");

    EXPECT_EQ(changed.size(), 4);
    EXPECT_EQ(listChanged.size(), 4);
    EXPECT_EQ(counts.size(), 0);
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(OriginalModelTest, NewestUpdateTimeIsTrackedAndSurvivesClear) {
    model.addRow(record(2, 50));
    model.addRow(record(4, 30));
    EXPECT_EQ(model.maxDtUtcLastUpdate(), 50);
    model.addRow(record(4, 20)); // skipped as older, but its time is still seen
    EXPECT_EQ(model.maxDtUtcLastUpdate(), 50);
    model.addRow(record(4, 70));
    EXPECT_EQ(model.property("maxDtUtcLastUpdate").toLongLong(), 70);
    model.setDataAtLeastLoaded(true);

    QSignalSpy loaded(&model, &OriginalModel::dataAtLeastLoadedChanged);
    EXPECT_TRUE(model.setProperty("dataAtLeastLoaded", true));
    EXPECT_EQ(loaded.size(), 0) << "unchanged";
    EXPECT_EQ(model.property("rowCount").toInt(), 2);

    QSignalSpy counts(&model, &OriginalModel::rowCountChanged);
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.maxDtUtcLastUpdate(), 70);
    EXPECT_TRUE(model.dataAtLeastLoaded());
    EXPECT_EQ(counts.size(), 0);
}

TEST_F(OriginalModelTest, RowLimitRemovesTheOldestUpdateWhereverItStands) {
    OriginalModel limited;
    limited.setEntityModel(makeEntity(3));
    const auto limitedTester = tester(&limited);
    EXPECT_EQ(limited.property("limit").toLongLong(), 3);
    limited.addRow(record(20, 30, "a"));
    limited.addRow(record(10, 10, "oldest in the middle"));
    limited.addRow(record(5, 20, "c"));
    QSignalSpy counts(&limited, &OriginalModel::rowCountChanged);
    QSignalSpy removed(&limited, &QAbstractItemModel::rowsRemoved);
    limited.addRow(record(7, 40, "d"));
    EXPECT_EQ(ids(limited), (QList<qint64>{20, 7, 5}));
    ASSERT_EQ(counts.size(), 2);
    EXPECT_EQ(counts.at(0).at(0).toInt(), 4);
    EXPECT_EQ(counts.at(1).at(0).toInt(), 3);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 1); // row of id 10 after the insertion of 7

    // A new record older than all others is itself the one removed; on a tie the upper row goes.
    limited.addRow(record(1, 5));
    EXPECT_EQ(ids(limited), (QList<qint64>{20, 7, 5}));
    limited.addRow(record(30, 20));
    EXPECT_EQ(ids(limited), (QList<qint64>{20, 7, 5}));
}

TEST_F(OriginalModelTest, LookupsByRoleAndById) {
    model.addRow({{"id", 42.0}, {"dtUpdate", 1}, {"name", "cam"}, {"count", 2}});
    model.addRow(record(7, 1, "door", 2));
    model.addRow(record(3, 1, "cam", 5));

    EXPECT_EQ(model.checkValueByRole("id", "42"), 0);
    EXPECT_EQ(model.checkValueByRole("id", 7), 1);
    EXPECT_EQ(model.checkValueByRole("id", "8"), -1);
    EXPECT_EQ(model.checkValueByRole("name", "cam"), 0);
    EXPECT_EQ(model.checkValueByRole("name", "none"), -1);
    EXPECT_EQ(model.checkValueByRole(QStringList{"name", "count"}, QVariantList{"cam", 5}), 2);
    EXPECT_EQ(model.checkValueByRole(QStringList{}, QVariantList{}), 0);

    LogCapture log;
    EXPECT_EQ(model.checkValueByRole(QStringList{"name", "count"}, QVariantList{"cam"}), -1);
    EXPECT_TRUE(log.contains("2 roles but only 1 values"));

    EXPECT_EQ(model.originalData("name", "door", "id").toLongLong(), 7);
    EXPECT_FALSE(model.originalData("name", "gate", "id").isValid());
    EXPECT_EQ(model.originalData(1).value("name").toString(), "door");
    EXPECT_TRUE(model.originalData(3).isEmpty());
    EXPECT_TRUE(model.originalData(-1).isEmpty());
    EXPECT_FALSE(model.originalData(5, "name").isValid());
    EXPECT_EQ(model.rows().size(), 3);
}

TEST_F(OriginalModelTest, UnknownRoleWritesTheCriticalLine) {
    model.addRow(record(2, 1, "x"));
    LogCapture log;
    EXPECT_FALSE(model.originalData(0, "missingRole").isValid());
    EXPECT_TRUE(log.contains("critical Critical Error: role missingRole not found in role list ("));
    EXPECT_TRUE(log.contains("count, dtInsert, dtUpdate, id, name, ratio, serial)"));
}

TEST_F(OriginalModelTest, UpdateValueChangesOnlyWhenDifferentAndRefreshesOnRequest) {
    model.addRow(record(8, 1, "a", 1));
    model.addRow(record(4, 1, "b", 1));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.updateValue(1, "name", "b");
    EXPECT_EQ(changed.size(), 0);

    model.updateValue(1, "name", "renamed");
    EXPECT_EQ(model.originalData(1, "name").toString(), "renamed");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 1);

    model.updateValue(QStringLiteral("8"), "count", 9, false);
    EXPECT_EQ(model.originalData(0, "count").toInt(), 9);
    EXPECT_EQ(changed.size(), 1);

    model.updateValue(QStringLiteral("8"), "serial", "S-1");
    EXPECT_EQ(model.originalData(0, "serial").toString(), "S-1");
    EXPECT_EQ(changed.size(), 2);

    model.updateValue(QStringLiteral("99"), "name", "nobody");
    model.updateValue(2, "name", "out of range");
    model.updateValue(-1, "name", "out of range");
    EXPECT_EQ(changed.size(), 2);

    model.refresh();
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed.at(2).at(0).value<QModelIndex>().row(), 0);
    EXPECT_EQ(changed.at(2).at(1).value<QModelIndex>().row(), 1);
}

TEST_F(OriginalModelTest, OnlyInsertionsAndRemoveRowAnnounceTheRowCount) {
    model.addRow(record(1, 1));
    model.addRow(record(2, 1));
    model.addRow(record(3, 1));
    QSignalSpy counts(&model, &OriginalModel::rowCountChanged);

    model.delRow("2");
    EXPECT_EQ(ids(model), (QList<qint64>{3, 1}));
    model.delRow("12");
    EXPECT_EQ(counts.size(), 0);

    model.removeRow(0);
    EXPECT_EQ(ids(model), (QList<qint64>{1}));
    ASSERT_EQ(counts.size(), 1);
    EXPECT_EQ(counts.at(0).at(0).toInt(), 1);

    // A row that does not exist is not announced as removed.
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
    model.removeRow(5);
    model.removeRow(-1);
    EXPECT_EQ(aboutToRemove.size(), 0);
    EXPECT_EQ(model.rowCount(), 1);

    model.clear();
    EXPECT_EQ(counts.size(), 1);
}

TEST_F(OriginalModelTest, FieldTitlesAndSequenceNumbersComeFromTheEntity) {
    EXPECT_EQ(model.roleTitle("name"), "Name");
    EXPECT_EQ(model.roleTitle("id"), "Id");
    EXPECT_EQ(model.roleTitle("nope"), "");
    EXPECT_EQ(model.getFieldName("count"), "Count");
    // Declaration order: base fields first, then the entity's own in the order declared.
    EXPECT_LT(model.getSeqNum("id"), model.getSeqNum("dtUpdate"));
    EXPECT_LT(model.getSeqNum("dtInsert"), model.getSeqNum("name"));
    EXPECT_LT(model.getSeqNum("name"), model.getSeqNum("count"));

    LogCapture log;
    EXPECT_EQ(model.getFieldName("nope"), "");
    EXPECT_EQ(model.getSeqNum("nope"), -1);
    EXPECT_EQ(log.count("no such field 'nope'"), 2);
}

TEST_F(OriginalModelTest, WithoutEntityModelRowsAreStoredButNotWritable) {
    OriginalModel bare;
    const auto bareTester = tester(&bare);
    EXPECT_TRUE(bare.roleNames().isEmpty());
    EXPECT_EQ(bare.limit(), 0);
    EXPECT_EQ(bare.getSeqNum("id"), -1);
    EXPECT_EQ(bare.roleTitle("id"), "");
    EXPECT_EQ(bare.getFieldName("id"), "");

    bare.addRow(record(4, 1, "kept"));
    bare.addRow(record(6, 1));
    EXPECT_EQ(ids(bare), (QList<qint64>{6, 4}));
    EXPECT_FALSE(bare.setData(bare.index(1, 0), "changed", OriginalModel::FirstRole));
    bare.addRow(record(4, 2, "update ignored"));
    EXPECT_EQ(bare.originalData(1).value("name").toString(), "kept");

    // A role list set by hand gives data access but still no writes.
    bare.setRoleList({"id", "name"});
    EXPECT_EQ(bare.originalData(1, "name").toString(), "kept");
    EXPECT_EQ(bare.roleNumber("name"), OriginalModel::FirstRole + 1);
}

// A server that keeps pushing new records cannot grow a list without bound.
TEST_F(OriginalModelTest, ListsKeepAtMostTheRowCapWhateverTheEntitySays) {
    OriginalModel bare;
    const auto bareTester = tester(&bare);
    QVariantList entries;
    for (qint64 id = 2; id < 2 + OriginalModel::kMaxRows + 5; ++id) {
        entries.append(record(id, id));
    }
    bare.addRows(entries);
    EXPECT_EQ(bare.rowCount(), OriginalModel::kMaxRows);
    bare.addRow(record(OriginalModel::kMaxRows + 100, OriginalModel::kMaxRows + 100));
    EXPECT_EQ(bare.rowCount(), OriginalModel::kMaxRows);
    // The oldest changes went first; the newest record is kept.
    EXPECT_GE(bare.findId(QString::number(OriginalModel::kMaxRows + 100)), 0);
    EXPECT_LT(bare.findId("2"), 0);
}
