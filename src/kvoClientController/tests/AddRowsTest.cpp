#include "ListModelSupport.h"

#include <QRandomGenerator>
#include <QSignalSpy>

using namespace ListTest;

namespace {

class AddRowsTest : public ModelTesterFixture {};

// A list answer with new ids, repeated ids, older and newer copies and records without time stamp.
QVariantList randomAnswer(QRandomGenerator& random, int size, qint64 idRange) {
    QVariantList entries;
    for (int i = 0; i < size; ++i) {
        const qint64 id = 2 + random.bounded(static_cast<int>(idRange));
        QVariantMap map = record(id, random.bounded(50), QStringLiteral("n%1").arg(random.bounded(1000)),
                                 random.bounded(100));
        if (random.bounded(10) == 0) {
            map.remove(QStringLiteral("dtUpdate"));
        }
        if (random.bounded(10) == 0) {
            map.insert(QStringLiteral("extra"), i);
        }
        entries.append(map);
    }
    return entries;
}

} // namespace

// The batch must leave exactly what adding the entries one by one leaves, row limit included.
TEST_F(AddRowsTest, SameResultAsAddingOneByOne) {
    QRandomGenerator random(20261206);
    for (int round = 0; round < 60; ++round) {
        const quint64 rowLimit = round % 3 == 0 ? 0 : 5 + random.bounded(40);
        const qint64 idRange = round % 2 == 0 ? 60 : 400;
        OriginalModel one;
        OriginalModel batch;
        one.setEntityModel(makeEntity(rowLimit));
        batch.setEntityModel(makeEntity(rowLimit));
        ProxyModel proxy;
        proxy.setOriginalModel(&batch);
        const auto batchTester = tester(&batch);
        const auto proxyTester = tester(&proxy);

        for (int answer = 0; answer < 3; ++answer) {
            const QVariantList entries = randomAnswer(random, 1 + random.bounded(120), idRange);
            for (const QVariant& entry : entries) {
                one.addRow(entry.toMap());
            }
            batch.addRows(entries);
            ASSERT_EQ(batch.rows(), one.rows()) << "round " << round << " answer " << answer;
            ASSERT_EQ(batch.maxDtUtcLastUpdate(), one.maxDtUtcLastUpdate());
            // The proxy sees the same rows (in source order: it is sorted by id, descending).
            ASSERT_EQ(ids(proxy), ids(batch));
        }
    }
}

TEST_F(AddRowsTest, AnnouncesInsertionsInRunsAndTheCountOnce) {
    OriginalModel model;
    model.setEntityModel(makeEntity());
    watch(&model);
    model.addRows({record(10, 1), record(20, 1), record(30, 1)});

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy counts(&model, &OriginalModel::rowCountChanged);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy listChanged(&model, &OriginalModel::dataListChanged);
    // Two new rows on top, one between 20 and 10, one update of 10, one ignored older copy of 30.
    model.addRows(
        {record(40, 1), record(15, 1), record(10, 2, "renamed"), record(50, 1), record(30, 0, "old")});
    EXPECT_EQ(ids(model), (QList<qint64>{50, 40, 30, 20, 15, 10}));
    EXPECT_EQ(reset.size(), 0);
    ASSERT_EQ(inserted.size(), 2);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 2); // 15, inserted first: bottom-up
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 2);
    EXPECT_EQ(inserted.at(1).at(1).toInt(), 0); // 50 and 40 together
    EXPECT_EQ(inserted.at(1).at(2).toInt(), 1);
    ASSERT_EQ(counts.size(), 1);
    EXPECT_EQ(counts.at(0).at(0).toInt(), 6);
    ASSERT_EQ(listChanged.size(), 1);
    EXPECT_EQ(listChanged.at(0).at(0).toInt(), 5);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(model.originalData(5, "name").toString(), "renamed");
    EXPECT_EQ(model.originalData(2, "name").toString(), "");

    // Rows scattered between many existing ones are announced as one reset.
    QVariantList even;
    QVariantList odd;
    for (qint64 id = 100; id < 180; id += 2) {
        even.append(record(id, 1));
        odd.append(record(id + 1, 1));
    }
    model.addRows(even);
    EXPECT_EQ(inserted.size(), 3);
    model.addRows(odd);
    EXPECT_EQ(inserted.size(), 3);
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(model.rowCount(), 6 + even.size() + odd.size());
    EXPECT_EQ(model.findId("179"), 0);
    EXPECT_EQ(model.findId("100"), even.size() + odd.size() - 1);
    EXPECT_EQ(counts.size(), 3);

    // Nothing new, nothing removed: no count.
    model.addRows({record(101, 0)});
    model.addRows({});
    EXPECT_EQ(counts.size(), 3);
}

TEST_F(AddRowsTest, RowLimitEvictsExistingRowsAsOneByOneWould) {
    OriginalModel model;
    model.setEntityModel(makeEntity(3));
    watch(&model);
    model.addRows({record(5, 10), record(6, 30), record(7, 20)});
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    // 8 pushes out 5 (time 10); 9 is older than all and goes at once.
    model.addRows({record(8, 40), record(9, 1)});
    EXPECT_EQ(ids(model), (QList<qint64>{8, 7, 6}));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 2);
}
