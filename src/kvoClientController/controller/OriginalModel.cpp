#include "OriginalModel.h"

#include "kvoModel/model/ModelBase.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <set>
#include <spdlog/spdlog.h>

namespace {

const QString kId = QStringLiteral("id");
const QString kDtUpdate = QStringLiteral("dtUpdate");

// Batches that would need more separate insertions or removals than this are announced as one reset:
// every run costs a pass over all rows in the attached proxy.
constexpr int kMaxAnnouncedRuns = 16;

std::shared_ptr<spdlog::logger> mainLog() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

} // namespace

OriginalModel::OriginalModel(QObject* parent) : QAbstractListModel(parent) {}

OriginalModel::~OriginalModel() = default;

OriginalModel::Row OriginalModel::makeRow(const QVariantMap& map) {
    Row row;
    row.map = map;
    row.id = map.value(kId).toLongLong(&row.idValid);
    row.dtUpdate = map.value(kDtUpdate).toLongLong();
    return row;
}

void OriginalModel::syncCachedKey(Row& row, const QString& key) {
    if (key == kId) {
        row.id = row.map.value(kId).toLongLong(&row.idValid);
    } else if (key == kDtUpdate) {
        row.dtUpdate = row.map.value(kDtUpdate).toLongLong();
    }
}

QVariant OriginalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= _rows.size()) {
        return {};
    }
    if (role < FirstRole) {
        mainLog()->critical("Critical Error: role {} not found in role list ({})",
                            _lastMissingRole.toStdString(),
                            _roleList.join(QStringLiteral(", ")).toStdString());
        return {};
    }
    const int roleIndex = role - FirstRole;
    if (roleIndex >= _roleList.size()) {
        return {};
    }
    return _rows.at(index.row()).map.value(_roleList.at(roleIndex));
}

QVariant OriginalModel::valueAt(int row, int roleIndex) const {
    if (row < 0 || row >= _rows.size() || roleIndex < 0 || roleIndex >= _roleList.size()) {
        return {};
    }
    return _rows.at(row).map.value(_roleList.at(roleIndex));
}

bool OriginalModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (_entityModel.isNull()) {
        return false;
    }
    if (!index.isValid() || index.row() < 0 || index.row() >= _rows.size()) {
        return false;
    }
    const int roleIndex = role - FirstRole;
    if (roleIndex < 0 || roleIndex >= _roleList.size()) {
        return false;
    }
    const QString& key = _roleList.at(roleIndex);
    Row& row = _rows[index.row()];
    row.map.insert(key, value);
    syncCachedKey(row, key);
    changed();
    return true;
}

QHash<int, QByteArray> OriginalModel::roleNames() const {
    QHash<int, QByteArray> names;
    if (_entityModel.isNull()) {
        return names;
    }
    for (int i = 0; i < _roleList.size(); ++i) {
        names.insert(FirstRole + i, _roleList.at(i).toLatin1());
    }
    return names;
}

void OriginalModel::setEntityModel(const SharedPointerEx<KvoModel::ModelBase>& entityModel) {
    _entityModel = entityModel;
    if (!_entityModel.isNull()) {
        setRoleList(_entityModel->fieldsList().keys());
    }
}

int OriginalModel::roleNumber(const QString& role) const {
    const auto it = _roleIndex.constFind(role);
    if (it == _roleIndex.constEnd()) {
        _lastMissingRole = role;
        return Qt::UserRole;
    }
    return FirstRole + it.value();
}

int OriginalModel::fieldSqlType(const QString& role) const {
    if (_entityModel.isNull()) {
        return sftNone;
    }
    const auto& fields = _entityModel->fieldsList();
    const auto it = fields.constFind(role);
    return it == fields.constEnd() ? sftNone : it.value().sqlType;
}

void OriginalModel::setDataAtLeastLoaded(bool loaded) {
    if (_dataAtLeastLoaded == loaded) {
        return;
    }
    _dataAtLeastLoaded = loaded;
    Q_EMIT dataAtLeastLoadedChanged(loaded);
}

qint64 OriginalModel::limit() const {
    return _entityModel.isNull() ? 0 : static_cast<qint64>(_entityModel->limit());
}

OriginalModel::Search OriginalModel::searchId(qint64 id) const {
    Search result;
    if (_rows.isEmpty()) {
        return result;
    }
    int lo = 0;
    int hi = _rows.size() - 1;
    while (hi > lo) {
        const int mid = lo + (hi - lo) / 2;
        if (id < _rows.at(mid).id) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    const Row& row = _rows.at(hi);
    if (row.idValid && row.id == id) {
        result.found = true;
        result.row = hi;
    } else {
        result.row = row.id <= id ? std::max(hi, 0) : std::max(hi + 1, 0);
    }
    return result;
}

bool OriginalModel::idFromString(const QString& text, qint64& id) const {
    bool ok = false;
    id = text.toLongLong(&ok);
    if (ok) {
        return true;
    }
    // Numbers that went through JavaScript may arrive as "42.0"-like texts.
    const double asDouble = text.toDouble(&ok);
    if (!ok || !std::isfinite(asDouble) || std::trunc(asDouble) != asDouble || std::fabs(asDouble) > 9.0e18) {
        return false;
    }
    id = static_cast<qint64>(asDouble);
    return true;
}

int OriginalModel::checkValueByRole(const QString& role, const QVariant& value) const {
    if (role == kId) {
        return findId(value.toString());
    }
    for (int i = 0; i < _rows.size(); ++i) {
        if (_rows.at(i).map.value(role) == value) {
            return i;
        }
    }
    return -1;
}

int OriginalModel::checkValueByRole(const QStringList& roles, const QVariantList& values) const {
    if (values.size() < roles.size()) {
        mainLog()->warn("OriginalModel::checkValueByRole(): {} roles but only {} values", roles.size(),
                        values.size());
        return -1;
    }
    for (int i = 0; i < _rows.size(); ++i) {
        const QVariantMap& map = _rows.at(i).map;
        bool match = true;
        for (int k = 0; k < roles.size() && match; ++k) {
            match = map.value(roles.at(k)) == values.at(k);
        }
        if (match) {
            return i;
        }
    }
    return -1;
}

int OriginalModel::findId(const QString& id) const {
    qint64 value = 0;
    if (!idFromString(id, value)) {
        return -1;
    }
    const Search search = searchId(value);
    return search.found ? search.row : -1;
}

QVariantMap OriginalModel::originalData(int row) const {
    if (row < 0 || row >= _rows.size()) {
        return {};
    }
    return _rows.at(row).map;
}

QVariant OriginalModel::originalData(int row, const QString& role) const {
    return data(index(row, 0), roleNumber(role));
}

QVariant OriginalModel::originalData(const QString& parameterRole, const QString& parameter,
                                     const QString& valueRole) const {
    for (const Row& row : _rows) {
        if (row.map.value(parameterRole).toString() == parameter) {
            return row.map.value(valueRole);
        }
    }
    return {};
}

bool OriginalModel::shouldUpdate(const QVariantMap& incoming, qint64 storedDtUpdate) const {
    const QVariant dtUpdate = incoming.value(kDtUpdate);
    if (dtUpdate.toString().isEmpty()) {
        return true;
    }
    // An older copy of a record must not overwrite a newer one.
    return dtUpdate.toLongLong() >= storedDtUpdate;
}

void OriginalModel::noteDtUpdate(const QVariantMap& mapParams) {
    const qint64 dtUpdate = mapParams.value(kDtUpdate).toLongLong();
    if (dtUpdate > _maxDtUtcLastUpdate) {
        _maxDtUtcLastUpdate = dtUpdate;
    }
}

void OriginalModel::addRow(const QVariantMap& mapParams) {
    bool idValid = false;
    const qint64 id = mapParams.value(kId).toLongLong(&idValid);
    if (!idValid) {
        // A row without a number would break the id order every search relies on.
        mainLog()->warn("OriginalModel::addRow(): record without a numeric 'id' ignored");
        return;
    }
    const Search search = searchId(id);
    if (search.found) {
        const int row = search.row;
        if (shouldUpdate(mapParams, _rows.at(row).dtUpdate)) {
            const QModelIndex idx = index(row, 0);
            for (auto it = mapParams.cbegin(); it != mapParams.cend(); ++it) {
                const int role = roleNumber(it.key());
                if (role >= FirstRole) {
                    setData(idx, it.value(), role);
                }
            }
            Q_EMIT dataChanged(idx, idx, {});
            Q_EMIT dataListChanged(row);
        }
    } else {
        beginInsertRows(QModelIndex(), search.row, search.row);
        _rows.insert(search.row, makeRow(mapParams));
        changed();
        endInsertRows();
        Q_EMIT rowCountChanged(_rows.size());
        applyLimit();
    }
    noteDtUpdate(mapParams);
}

int OriginalModel::rowOfSmallestDtUpdate() const {
    int found = 0;
    for (int i = 1; i < _rows.size(); ++i) {
        if (_rows.at(i).dtUpdate < _rows.at(found).dtUpdate) {
            found = i;
        }
    }
    return found;
}

qint64 OriginalModel::rowCap() const {
    const qint64 entityLimit = limit();
    return entityLimit > 0 ? std::min(entityLimit, kMaxRows) : kMaxRows;
}

void OriginalModel::applyLimit() {
    const qint64 maxRows = rowCap();
    if (_rows.size() <= maxRows) {
        return;
    }
    const int row = rowOfSmallestDtUpdate();
    beginRemoveRows(QModelIndex(), row, row);
    _rows.remove(row);
    changed();
    endRemoveRows();
    Q_EMIT rowCountChanged(_rows.size());
}

void OriginalModel::addRows(const QVariantList& entries) {
    // Replays addRow for every entry against a virtual state (existing rows that are still present plus
    // the new ones), then applies the difference: removals, insertions and updates.
    const int existingCount = _rows.size();
    const qint64 maxRows = rowCap();
    const bool limited = existingCount + entries.size() > maxRows;

    // Eviction order of the row limit: smallest "dtUpdate" first, on a tie the row nearer the top, that is
    // the larger id. A handle >= 0 is an existing row, -1 - k the new row k.
    struct EvictionKey {
        qint64 dtUpdate;
        qint64 id;
        int handle;
        bool operator<(const EvictionKey& o) const {
            if (dtUpdate != o.dtUpdate) {
                return dtUpdate < o.dtUpdate;
            }
            if (id != o.id) {
                return id > o.id;
            }
            return handle < o.handle;
        }
    };
    std::set<EvictionKey> eviction;
    if (limited) {
        for (int i = 0; i < existingCount; ++i) {
            eviction.insert({_rows.at(i).dtUpdate, _rows.at(i).id, i});
        }
    }

    QVector<bool> evicted(existingCount, false);
    QVector<bool> updated(existingCount, false);
    QVector<Row> fresh;
    QVector<bool> dropped;
    QHash<qint64, int> freshById;
    qint64 presentCount = existingCount;

    for (const QVariant& entry : entries) {
        const QVariantMap map = entry.toMap();
        bool idValid = false;
        const qint64 id = map.value(kId).toLongLong(&idValid);
        if (!idValid) {
            mainLog()->warn("OriginalModel::addRows(): record without a numeric 'id' ignored");
            continue;
        }
        int handle = 0;
        bool found = false;
        const auto freshIt = freshById.constFind(id);
        if (freshIt != freshById.constEnd()) {
            handle = -1 - freshIt.value();
            found = true;
        } else {
            const Search search = searchId(id);
            if (search.found && !evicted.at(search.row)) {
                handle = search.row;
                found = true;
            }
        }

        if (found) {
            Row& row = handle >= 0 ? _rows[handle] : fresh[-1 - handle];
            if (shouldUpdate(map, row.dtUpdate)) {
                const qint64 oldDtUpdate = row.dtUpdate;
                if (!_entityModel.isNull()) {
                    for (auto it = map.cbegin(); it != map.cend(); ++it) {
                        if (roleNumber(it.key()) >= FirstRole) {
                            row.map.insert(it.key(), it.value());
                            syncCachedKey(row, it.key());
                        }
                    }
                }
                if (handle >= 0) {
                    updated[handle] = true;
                }
                if (limited && row.dtUpdate != oldDtUpdate) {
                    eviction.erase({oldDtUpdate, row.id, handle});
                    eviction.insert({row.dtUpdate, row.id, handle});
                }
            }
        } else {
            const int k = fresh.size();
            fresh.append(makeRow(map));
            dropped.append(false);
            freshById.insert(id, k);
            ++presentCount;
            if (limited) {
                eviction.insert({fresh.at(k).dtUpdate, id, -1 - k});
                if (presentCount > maxRows) {
                    const EvictionKey victim = *eviction.begin();
                    eviction.erase(eviction.begin());
                    if (victim.handle >= 0) {
                        evicted[victim.handle] = true;
                    } else {
                        dropped[-1 - victim.handle] = true;
                        freshById.remove(victim.id);
                    }
                    --presentCount;
                }
            }
        }
        noteDtUpdate(map);
    }

    QVector<qint64> updatedIds;
    for (int i = 0; i < existingCount; ++i) {
        if (updated.at(i) && !evicted.at(i)) {
            updatedIds.append(_rows.at(i).id);
        }
    }

    QVector<Row> inserted;
    inserted.reserve(fresh.size());
    for (int k = 0; k < fresh.size(); ++k) {
        if (!dropped.at(k)) {
            inserted.append(std::move(fresh[k]));
        }
    }
    std::sort(inserted.begin(), inserted.end(), [](const Row& a, const Row& b) { return a.id > b.id; });

    int removalRuns = 0;
    for (int i = 0; i < existingCount; ++i) {
        if (evicted.at(i) && (i == 0 || !evicted.at(i - 1))) {
            ++removalRuns;
        }
    }
    // Insertion runs: new rows that fall between the same two remaining rows go in together.
    int insertionRuns = 0;
    {
        int e = 0;
        int lastPosition = -1;
        for (const Row& row : inserted) {
            while (e < existingCount && (evicted.at(e) || _rows.at(e).id > row.id)) {
                ++e;
            }
            if (e != lastPosition) {
                ++insertionRuns;
                lastPosition = e;
            }
        }
    }

    const bool rowsChanged = removalRuns > 0 || !inserted.isEmpty();
    if (removalRuns + insertionRuns > kMaxAnnouncedRuns) {
        QVector<Row> merged;
        merged.reserve(existingCount + inserted.size());
        int e = 0;
        for (Row& row : inserted) {
            for (; e < existingCount && _rows.at(e).id > row.id; ++e) {
                if (!evicted.at(e)) {
                    merged.append(std::move(_rows[e]));
                }
            }
            merged.append(std::move(row));
        }
        for (; e < existingCount; ++e) {
            if (!evicted.at(e)) {
                merged.append(std::move(_rows[e]));
            }
        }
        beginResetModel();
        _rows = std::move(merged);
        changed();
        endResetModel();
    } else {
        for (int i = existingCount - 1; i >= 0;) {
            if (!evicted.at(i)) {
                --i;
                continue;
            }
            const int last = i;
            while (i >= 0 && evicted.at(i)) {
                --i;
            }
            beginRemoveRows(QModelIndex(), i + 1, last);
            _rows.remove(i + 1, last - i);
            changed();
            endRemoveRows();
        }
        insertRuns(inserted);
    }

    if (!updatedIds.isEmpty()) {
        // One dataChanged over the span: each one makes the proxy re-filter every row.
        QVector<int> rowsUpdated;
        for (qint64 id : updatedIds) {
            const Search search = searchId(id);
            if (search.found) {
                rowsUpdated.append(search.row);
            }
        }
        std::sort(rowsUpdated.begin(), rowsUpdated.end());
        changed();
        if (!rowsUpdated.isEmpty()) {
            Q_EMIT dataChanged(index(rowsUpdated.first(), 0), index(rowsUpdated.last(), 0), {});
        }
        for (int row : rowsUpdated) {
            Q_EMIT dataListChanged(row);
        }
    }
    if (rowsChanged) {
        Q_EMIT rowCountChanged(_rows.size());
    }
}

void OriginalModel::insertRuns(QVector<Row>& inserted) {
    // From the bottom up, so that the positions found above stay valid.
    int k = inserted.size() - 1;
    while (k >= 0) {
        const int position = searchId(inserted.at(k).id).row;
        int first = k;
        while (first > 0 && searchId(inserted.at(first - 1).id).row == position) {
            --first;
        }
        const int count = k - first + 1;
        beginInsertRows(QModelIndex(), position, position + count - 1);
        _rows.insert(position, count, Row());
        for (int j = 0; j < count; ++j) {
            _rows[position + j] = std::move(inserted[first + j]);
        }
        changed();
        endInsertRows();
        k = first - 1;
    }
}

void OriginalModel::clear() {
    beginResetModel();
    _rows.clear();
    changed();
    endResetModel();
}

int OriginalModel::rowCount(const QModelIndex& parent) const {
    // A flat list: an item has no children.
    return parent.isValid() ? 0 : _rows.size();
}

void OriginalModel::removeRow(int row, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row >= _rows.size()) {
        // Announcing the removal of a row that does not exist would corrupt every attached view.
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    _rows.remove(row);
    changed();
    endRemoveRows();
    Q_EMIT rowCountChanged(_rows.size());
}

void OriginalModel::delRow(const QString& id) {
    const int row = findId(id);
    if (row < 0) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    _rows.remove(row);
    changed();
    endRemoveRows();
}

QVariantList OriginalModel::rows() const {
    QVariantList list;
    list.reserve(_rows.size());
    for (const Row& row : _rows) {
        list.append(row.map);
    }
    return list;
}

QString OriginalModel::roleTitle(const QString& role) const {
    if (_entityModel.isNull()) {
        return {};
    }
    const auto& fields = _entityModel->fieldsList();
    const auto it = fields.constFind(role);
    return it == fields.constEnd() ? QString() : it.value().name();
}

void OriginalModel::setRoleList(const QStringList& list) {
    _roleList = list;
    _roleIndex.clear();
    for (int i = 0; i < _roleList.size(); ++i) {
        _roleIndex.insert(_roleList.at(i), i);
    }
    ++_roleListRevision;
    changed();
}

QString OriginalModel::getFieldName(const QString& role) const {
    if (_entityModel.isNull()) {
        return {};
    }
    try {
        return _entityModel->getFieldDescr(role).name();
    } catch (const std::exception& e) {
        // Called from QML: an exception must not unwind through the engine.
        mainLog()->warn("OriginalModel::getFieldName(): {}", e.what());
        return {};
    }
}

qint64 OriginalModel::getSeqNum(const QString& role) const {
    if (_entityModel.isNull()) {
        return -1;
    }
    try {
        return static_cast<qint64>(_entityModel->getFieldDescr(role).seqNum());
    } catch (const std::exception& e) {
        mainLog()->warn("OriginalModel::getSeqNum(): {}", e.what());
        return -1;
    }
}

void OriginalModel::updateValue(const QString& id, const QString& role, const QVariant& value,
                                bool useRefresh) {
    const int row = findId(id);
    if (row >= 0) {
        updateValue(row, role, value, useRefresh);
    }
}

void OriginalModel::updateValue(int row, const QString& role, const QVariant& value, bool useRefresh) {
    if (row < 0 || row >= _rows.size()) {
        return;
    }
    const QModelIndex idx = index(row, 0);
    const int roleNum = roleNumber(role);
    if (data(idx, roleNum) == value) {
        return;
    }
    setData(idx, value, roleNum);
    if (useRefresh) {
        Q_EMIT dataChanged(idx, idx, {});
    }
}

void OriginalModel::refresh() {
    if (_rows.isEmpty()) {
        return;
    }
    Q_EMIT dataChanged(index(0, 0), index(_rows.size() - 1, 0), {});
}
