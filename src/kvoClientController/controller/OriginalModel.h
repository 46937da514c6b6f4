#pragma once

#include "kvoCore/SharedPointerEx.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

namespace KvoModel {
class ModelBase;
}

// One stored record with the keys the ordering and the row limit need, cached as numbers.
struct OriginalModelRow {
    QVariantMap map;
    qint64 id = 0;        // "id" of the map
    qint64 dtUpdate = 0;  // "dtUpdate" of the map
    bool idValid = false; // "id" converted to a number
};
Q_DECLARE_TYPEINFO(OriginalModelRow, Q_MOVABLE_TYPE);

// The records of one entity kind for QML, one map per row, kept in descending "id" order so that a
// record is found by bisection. Role names are the entity model's field names.
class OriginalModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(qint64 maxDtUtcLastUpdate READ maxDtUtcLastUpdate WRITE setMaxDtUtcLastUpdate)
    Q_PROPERTY(qint64 limit READ limit CONSTANT)
    Q_PROPERTY(int rowCount READ rowCount NOTIFY rowCountChanged)
    Q_PROPERTY(bool dataAtLeastLoaded READ dataAtLeastLoaded WRITE setDataAtLeastLoaded NOTIFY
                   dataAtLeastLoadedChanged)

public:
    // Role number of role list entry 0.
    static constexpr int FirstRole = Qt::UserRole + 1;

    explicit OriginalModel(QObject* parent = nullptr);
    ~OriginalModel() override;

    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QHash<int, QByteArray> roleNames() const override;

    // Not visible to QML: each list controller hands over its entity model.
    void setEntityModel(const SharedPointerEx<KvoModel::ModelBase>& entityModel);
    const SharedPointerEx<KvoModel::ModelBase>& entityModel() const { return _entityModel; }

    // Role number of a name, or Qt::UserRole (remembering the name) when it is not a role.
    int roleNumber(const QString& role) const;
    const QStringList& roleList() const { return _roleList; }
    // Column type (SqlFldType) of the entity field of that name; sftNone without entity model or field.
    int fieldSqlType(const QString& role) const;
    // Value of a row by role list index, no checks beyond the row range; for the proxy's hot loops.
    QVariant valueAt(int row, int roleIndex) const;
    // The whole map of a row in [0, rowCount); for the proxy's hot loops.
    const QVariantMap& rowMap(int row) const { return _rows.at(row).map; }
    // "id" of a row in [0, rowCount) as a number (0 when it does not convert).
    qint64 idAt(int row) const { return _rows.at(row).id; }
    // Grows with every change of rows or values, so that views can tell when their caches are stale.
    quint64 revision() const { return _revision; }
    // Grows with every change of the role list.
    quint64 roleListRevision() const { return _roleListRevision; }

    bool dataAtLeastLoaded() const { return _dataAtLeastLoaded; }
    void setDataAtLeastLoaded(bool loaded);
    void setMaxDtUtcLastUpdate(qint64 value) { _maxDtUtcLastUpdate = value; }
    qint64 limit() const;
    // Rows kept at most whatever the entity says: a server that floods a list cannot exhaust memory.
    static constexpr qint64 kMaxRows = 100000;
    // The limit in force: the entity's when it has one, never more than kMaxRows.
    qint64 rowCap() const;

    Q_INVOKABLE int checkValueByRole(const QString& role, const QVariant& value) const;
    Q_INVOKABLE int checkValueByRole(const QStringList& roles, const QVariantList& values) const;
    Q_INVOKABLE int findId(const QString& id) const;
    Q_INVOKABLE QVariantMap originalData(int row) const;
    Q_INVOKABLE QVariant originalData(int row, const QString& role) const;
    Q_INVOKABLE QVariant originalData(const QString& parameterRole, const QString& parameter,
                                      const QString& valueRole) const;
    Q_INVOKABLE void addRow(const QVariantMap& mapParams);
    // The records of a list answer at once: the same rows, order, updates and limit as addRow for each
    // entry in turn, but insertions are announced in runs (or as one reset), so that a large answer loads
    // in linear time through an attached proxy.
    Q_INVOKABLE void addRows(const QVariantList& entries);
    Q_INVOKABLE void clear();
    Q_INVOKABLE int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    Q_INVOKABLE void removeRow(int row, const QModelIndex& parent = QModelIndex());
    Q_INVOKABLE void delRow(const QString& id);
    Q_INVOKABLE QVariantList rows() const;
    Q_INVOKABLE QString roleTitle(const QString& role) const;
    Q_INVOKABLE void setRoleList(const QStringList& list);
    Q_INVOKABLE QString getFieldName(const QString& role) const;
    Q_INVOKABLE qint64 getSeqNum(const QString& role) const;
    Q_INVOKABLE QStringList getRoleListForQml() const { return _roleList; }
    Q_INVOKABLE void updateValue(const QString& id, const QString& role, const QVariant& value,
                                 bool useRefresh = true);
    Q_INVOKABLE void updateValue(int row, const QString& role, const QVariant& value, bool useRefresh = true);
    Q_INVOKABLE void refresh();
    Q_INVOKABLE qint64 maxDtUtcLastUpdate() const { return _maxDtUtcLastUpdate; }

Q_SIGNALS:
    void dataListChanged(int rowIndex);
    void rowCountChanged(int rowCount);
    void dataAtLeastLoadedChanged(bool dataAtLeastLoaded);

private:
    using Row = OriginalModelRow;
    struct Search {
        bool found = false;
        int row = 0; // the row found, else the insertion position
    };

    static Row makeRow(const QVariantMap& map);
    static void syncCachedKey(Row& row, const QString& key);
    Search searchId(qint64 id) const;
    bool idFromString(const QString& text, qint64& id) const;
    bool shouldUpdate(const QVariantMap& incoming, qint64 storedDtUpdate) const;
    void noteDtUpdate(const QVariantMap& mapParams);
    void applyLimit();
    int rowOfSmallestDtUpdate() const;
    void insertRuns(QVector<Row>& fresh);
    void changed() { ++_revision; }

    QVector<Row> _rows;
    QStringList _roleList;
    QHash<QString, int> _roleIndex;
    mutable QString _lastMissingRole;
    qint64 _maxDtUtcLastUpdate = 0;
    bool _dataAtLeastLoaded = false;
    SharedPointerEx<KvoModel::ModelBase> _entityModel;
    quint64 _revision = 0;
    quint64 _roleListRevision = 0;
};
