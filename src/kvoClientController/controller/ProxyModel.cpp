#include "ProxyModel.h"

#include "OriginalModel.h"
#include "kvoCore/Location.h"
#include "kvoModel/model/SqlFldType.h"

#include <QMutexLocker>
#include <numeric>
#include <spdlog/spdlog.h>

namespace {

const QString kAnd = QStringLiteral("and");
const QString kOr = QStringLiteral("or");
const QString kId = QStringLiteral("id");
const QString kDefaultGroup = QStringLiteral("default");

std::shared_ptr<spdlog::logger> mainLog() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

// "file::ProxyModel::filterAcceptsRow", the prefix of the filter's error lines.
const std::string& filterLocation() {
    static const std::string text = [] {
        QString location = KvoCore::location(__FILE__, "ProxyModel::filterAcceptsRow", 0);
        location.chop(QStringLiteral(" line: 0").size());
        return location.toStdString();
    }();
    return text;
}

} // namespace

ProxyModel::ProxyModel(QObject* parent) : QSortFilterProxyModel(parent) {
    auto group = QSharedPointer<GroupFilter>::create();
    group->name = kDefaultGroup;
    group->condition = kAnd;
    _groupFilters.insert(nextKey(_groupFilters), group);
    setDynamicSortFilter(false);
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, &ProxyModel::onSourceModelChanged);
}

ProxyModel::~ProxyModel() = default;

template <class Record>
qint64 ProxyModel::nextKey(const QMap<qint64, QSharedPointer<Record>>& map) {
    return map.isEmpty() ? 0 : map.lastKey() + 1;
}

void ProxyModel::setExtendedSearch(bool extendedSearch) {
    if (_extendedSearch == extendedSearch) {
        return;
    }
    _extendedSearch = extendedSearch;
    Q_EMIT extendedSearchChanged();
    if (!_isPrepareMode) {
        rerunFilter();
    }
}

void ProxyModel::setIsPrepareMode(bool isPrepareMode) {
    _isPrepareMode = isPrepareMode;
    Q_EMIT isPrepareModeChanged(isPrepareMode);
}

void ProxyModel::onSourceModelChanged() {
    disconnect(_dataChangedConnection);
    _originalModel = qobject_cast<OriginalModel*>(sourceModel());
    if (_originalModel) {
        _dataChangedConnection = connect(_originalModel.data(), &QAbstractItemModel::dataChanged, this,
                                         &ProxyModel::onDataChanged);
    }
    configChanged();
}

void ProxyModel::onDataChanged(const QModelIndex&, const QModelIndex&, const QVector<int>&) {
    if (!_isPrepareMode) {
        // Changed values may move single rows in or out: the incremental pass keeps the view in place.
        QSortFilterProxyModel::invalidateFilter();
    }
}

void ProxyModel::rerunFilter() {
    configChanged();
    // A full rebuild: the incremental pass of the base class costs a sweep over all rows for every run of
    // rows that changes state, which is quadratic when a filter scatters a large list.
    QSortFilterProxyModel::invalidate();
    QSortFilterProxyModel::rowCount(QModelIndex());
}

void ProxyModel::invalidateFilter() {
    rerunFilter();
}

void ProxyModel::reapplyHardFilters() {
    _effectiveFilterRoleList = _filterRoleList;
    for (const auto& filter : qAsConst(_hardFilters)) {
        _effectiveFilterRoleList.removeOne(filter->role);
    }
    configChanged();
    if (!_isPrepareMode) {
        rerunFilter();
    }
}

void ProxyModel::setFilterPattern(const QString& filterPattern) {
    if (filterPattern == _search.pattern()) {
        return;
    }
    QString pattern = filterPattern;
    QStringList words{filterPattern};
    if (_extendedSearch) {
        // Every word must occur, in any order.
        const QStringList parts = filterPattern.split(QLatin1Char(' '), Qt::KeepEmptyParts);
        if (parts.size() >= 2) {
            pattern.clear();
            for (const QString& part : parts) {
                pattern += QStringLiteral("(?=.*") + part + QLatin1Char(')');
            }
            words = parts;
        }
    }
    QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    if (!expression.isValid()) {
        // Text such as "cam (1" is what the user looks for, not a broken expression that hides every row.
        mainLog()->warn(
            "ProxyModel::setFilterPattern(): '{}' is not a valid expression ({}), matched as text",
            pattern.toStdString(), expression.errorString().toStdString());
        expression = QRegularExpression(QRegularExpression::escape(filterPattern),
                                        QRegularExpression::CaseInsensitiveOption);
        words = QStringList{filterPattern};
    }
    findRequiredWords(words);
    expression.optimize();
    _search = expression;
    rerunFilter();
    _filterRowCount = rowCount();
    Q_EMIT filterFinished();
}

void ProxyModel::findRequiredWords(const QStringList& words) {
    static const QString metaCharacters = QStringLiteral("\\^$.|?*+()[]{}#");
    static const QString numberCharacters = QStringLiteral("0123456789.+-eEinfaINFA");
    _requiredWords.clear();
    _wordsExcludeNumbers = false;
    for (const QString& word : words) {
        for (const QChar c : word) {
            if (metaCharacters.contains(c) || c.isSpace() != (c == QLatin1Char(' '))) {
                // Not a plain word: only the expression can tell.
                _requiredWords.clear();
                _wordsExcludeNumbers = false;
                return;
            }
            if (!numberCharacters.contains(c)) {
                _wordsExcludeNumbers = true;
            }
        }
        if (!word.isEmpty()) {
            _requiredWords.append(word);
        }
    }
}

bool ProxyModel::searchMatches(const QVariant& value) const {
    if (_searchAll) {
        return true;
    }
    if (!_requiredWords.isEmpty()) {
        if (_wordsExcludeNumbers) {
            switch (static_cast<int>(value.type())) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Double:
            case QMetaType::Float:
                return false;
            default:
                break;
            }
        }
        const QString text = value.toString();
        for (const QString& word : _requiredWords) {
            if (!text.contains(word, Qt::CaseInsensitive)) {
                return false;
            }
        }
        return _search.match(text).hasMatch();
    }
    return _search.match(value.toString()).hasMatch();
}

void ProxyModel::setFilterFields(const QStringList& filterRoleList) {
    _filterRoleList = filterRoleList;
    reapplyHardFilters();
}

void ProxyModel::resolve() const {
    const OriginalModel* model = _originalModel.data();
    const quint64 roleListRevision = model ? model->roleListRevision() : 0;
    if (_resolvedConfigRevision == _configRevision && _resolvedModel == model &&
        _resolvedRoleListRevision == roleListRevision) {
        return;
    }
    _resolvedConfigRevision = _configRevision;
    _resolvedModel = model;
    _resolvedRoleListRevision = roleListRevision;

    _groupsInOrder.clear();
    for (const auto& group : _groupFilters) {
        _groupsInOrder.append(group.data());
    }

    static const QHash<QString, Operation> operations{
        {QStringLiteral("="), Operation::Equal},   {QStringLiteral("!="), Operation::NotEqual},
        {QStringLiteral(">"), Operation::Greater}, {QStringLiteral(">="), Operation::GreaterOrEqual},
        {QStringLiteral("<"), Operation::Less},    {QStringLiteral("<="), Operation::LessOrEqual}};
    _resolvedFilters.clear();
    for (const auto& filter : _hardFilters) {
        ResolvedFilter resolved;
        resolved.filter = filter.data();
        resolved.roleIndex = model ? model->roleList().indexOf(filter->role) : -1;
        resolved.operation = operations.value(filter->operation, Operation::Invalid);
        const int type = model ? model->fieldSqlType(filter->role) : sftNone;
        resolved.integer = type == sftInt || type == sftBigInt;
        resolved.valueText = filter->value.toString();
        resolved.valueInt = filter->value.toLongLong();
        resolved.valueDouble = filter->value.toDouble();
        for (GroupFilter* group : qAsConst(_groupsInOrder)) {
            if (group->name == filter->groupName) {
                resolved.group = group;
                break;
            }
        }
        _resolvedFilters.append(resolved);
    }

    _searchKeys.clear();
    _missingSearchRoles.clear();
    for (const QString& role : _effectiveFilterRoleList) {
        if (model && model->roleList().contains(role)) {
            if (!_searchKeys.contains(role)) {
                _searchKeys.append(role);
            }
        } else {
            _missingSearchRoles.append(role);
        }
    }
    std::sort(_searchKeys.begin(), _searchKeys.end());
    _searchAll = _search.pattern().isEmpty();
}

bool ProxyModel::evaluate(const ResolvedFilter& f, const QVariant& v) const {
    switch (f.operation) {
    case Operation::Equal:
        return v.toString() == f.valueText;
    case Operation::NotEqual:
        return v.toString() != f.valueText;
    case Operation::Greater:
        return f.integer ? v.toLongLong() > f.valueInt : v.toDouble() > f.valueDouble;
    case Operation::GreaterOrEqual:
        return f.integer ? v.toLongLong() >= f.valueInt : v.toDouble() >= f.valueDouble;
    case Operation::Less:
        return f.integer ? v.toLongLong() < f.valueInt : v.toDouble() < f.valueDouble;
    case Operation::LessOrEqual:
        return f.integer ? v.toLongLong() <= f.valueInt : v.toDouble() <= f.valueDouble;
    case Operation::Invalid:
        break;
    }
    mainLog()->critical("{}, description: Invalid expression operation '{}'.", filterLocation(),
                        f.filter->operation.toStdString());
    return false;
}

bool ProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const OriginalModel* model = _originalModel.data();
    if (!model) {
        return false;
    }
    resolve();

    for (GroupFilter* group : qAsConst(_groupsInOrder)) {
        group->result = true;
        group->first = true;
    }
    const QString* previousCondition = nullptr;
    for (const ResolvedFilter& f : qAsConst(_resolvedFilters)) {
        const QVariant value = f.roleIndex >= 0 ? model->valueAt(sourceRow, f.roleIndex)
                                                : model->data(model->index(sourceRow, 0), Qt::UserRole);
        const bool expression = evaluate(f, value);
        GroupFilter* group = f.group;
        if (!group) {
            mainLog()->warn("_group_filter_exp doesn't contain value for key='{}'",
                            f.filter->groupName.toStdString());
            return false;
        }
        if (group->first) {
            group->result = expression;
            group->first = false;
        } else if (previousCondition && *previousCondition == kAnd) {
            group->result = group->result && expression;
        } else if (previousCondition && *previousCondition == kOr) {
            group->result = group->result || expression;
        } else {
            mainLog()->critical("{}, description: Invalid group expression operation '{}'.", filterLocation(),
                                previousCondition ? previousCondition->toStdString() : std::string());
        }
        previousCondition = &f.filter->condition;
    }

    if (!_groupsInOrder.isEmpty()) {
        bool total = _groupsInOrder.first()->result;
        for (int i = 1; i < _groupsInOrder.size(); ++i) {
            const QString& condition = _groupsInOrder.at(i - 1)->condition;
            if (condition == kAnd) {
                total = total && _groupsInOrder.at(i)->result;
            } else if (condition == kOr) {
                total = total || _groupsInOrder.at(i)->result;
            } else {
                mainLog()->critical("Invalid group expression condition: {}", condition.toStdString());
            }
        }
        if (!total) {
            return false;
        }
    }

    if (_effectiveFilterRoleList.isEmpty()) {
        return false;
    }
    for (const QString& role : qAsConst(_missingSearchRoles)) {
        mainLog()->warn("ProxyModel::filterAcceptsRow(): role '{}' not found in original model",
                        role.toStdString());
    }
    // One walk over the row's map, which is ordered by key like the searched roles.
    const QVariantMap& map = model->rowMap(sourceRow);
    auto it = map.cbegin();
    const auto end = map.cend();
    bool absentTested = false;
    for (const QString& key : qAsConst(_searchKeys)) {
        while (it != end && it.key() != key && it.key() < key) {
            ++it;
        }
        if (it != end && it.key() == key) {
            if (searchMatches(it.value())) {
                return true;
            }
            ++it;
        } else if (!absentTested) {
            // A role the row does not carry reads as an empty text.
            absentTested = true;
            if (searchMatches(QVariant())) {
                return true;
            }
        }
    }
    return false;
}

int ProxyModel::KeyColumn::compare(int a, int b) const {
    if (isDouble) {
        return doubles.at(a) < doubles.at(b) ? -1 : (doubles.at(b) < doubles.at(a) ? 1 : 0);
    }
    return ints.at(a) < ints.at(b) ? -1 : (ints.at(b) < ints.at(a) ? 1 : 0);
}

void ProxyModel::buildKeys(KeyColumn& column, const QString& role) const {
    const OriginalModel* model = _originalModel.data();
    const int rows = model->rowCount();
    const int roleIndex = model->roleList().indexOf(role);
    const int type = model->fieldSqlType(role);
    column.size = rows;
    column.isDouble = type == sftFloat || type == sftDouble;
    column.ints.clear();
    column.doubles.clear();
    if (column.isDouble) {
        column.doubles.resize(rows);
        for (int row = 0; row < rows; ++row) {
            column.doubles[row] = model->valueAt(row, roleIndex).toDouble();
        }
        return;
    }
    column.ints.resize(rows);
    if (type == sftInt || type == sftBigInt) {
        if (role == kId) {
            for (int row = 0; row < rows; ++row) {
                column.ints[row] = model->idAt(row);
            }
        } else {
            for (int row = 0; row < rows; ++row) {
                column.ints[row] = model->valueAt(row, roleIndex).toLongLong();
            }
        }
        return;
    }
    // Every other type compares as lower-cased text: number the distinct texts in their order.
    QHash<QString, int> distinct;
    QVector<QString> texts;
    for (int row = 0; row < rows; ++row) {
        const QString text = model->valueAt(row, roleIndex).toString().toLower();
        auto it = distinct.constFind(text);
        if (it == distinct.constEnd()) {
            it = distinct.insert(text, texts.size());
            texts.append(text);
        }
        column.ints[row] = it.value();
    }
    QVector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&texts](int a, int b) { return texts.at(a) < texts.at(b); });
    QVector<qint64> rank(texts.size());
    for (int i = 0; i < order.size(); ++i) {
        rank[order.at(i)] = i;
    }
    for (int row = 0; row < rows; ++row) {
        column.ints[row] = rank.at(static_cast<int>(column.ints.at(row)));
    }
}

void ProxyModel::ensureSortKeys() const {
    const OriginalModel* model = _originalModel.data();
    const int role = sortRole();
    if (_sortKeysValid && _sortKeysModel == model && _sortKeysRevision == model->revision() &&
        _sortKeysRole == role) {
        return;
    }
    const int roleIndex = role - OriginalModel::FirstRole;
    QString roleName;
    if (roleIndex >= 0 && roleIndex < model->roleList().size()) {
        roleName = model->roleList().at(roleIndex);
    } else if (model->rowCount() > 0) {
        // Reading an unknown role writes the model's critical line naming it; once per sort is enough.
        model->data(model->index(0, 0), role);
    }
    buildKeys(_sortKeys, roleName);
    buildKeys(_idKeys, kId);
    _sortKeysValid = true;
    _sortKeysModel = model;
    _sortKeysRevision = model->revision();
    _sortKeysRole = role;
}

bool ProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const OriginalModel* model = _originalModel.data();
    if (!model || model->entityModel().isNull()) {
        return false;
    }
    ensureSortKeys();
    const int a = left.row();
    const int b = right.row();
    if (a < 0 || b < 0 || a >= _sortKeys.size || b >= _sortKeys.size) {
        return false;
    }
    const int order = _sortKeys.compare(a, b);
    if (order != 0) {
        return order < 0;
    }
    // Equal keys go by "id", also "Apple" and "apple": a tie-break only for identical values would make
    // such rows incomparable to one another but not to a third, which no sort can order consistently.
    return _idKeys.compare(a, b) < 0;
}

void ProxyModel::sort(int column, Qt::SortOrder order) {
    // Main thread only, so a held lock means a sort re-entered from a slot of its own layout signals.
    if (!_sortMutex.tryLock()) {
        mainLog()->warn("ProxyModel::sort(): sort requested while sorting, ignored");
        return;
    }
    QSortFilterProxyModel::sort(column, order);
    _sortMutex.unlock();
}

void ProxyModel::sortRows(const QString& role, Qt::SortOrder order) {
    if (_sortedRole != role) {
        _sortedRole = role;
        Q_EMIT sortedRoleChanged(role);
    }
    Q_EMIT sortStarted();
    setSortRole(_originalModel ? _originalModel->roleNumber(role) : Qt::UserRole);
    sort(0, order);
    Q_EMIT sortFinished();
}

void ProxyModel::sortRows() {
    sortRows(_sortedRole, sortOrder());
}

int ProxyModel::checkValueByRole(const QString& role, const QVariant& value) const {
    const int roleNumber = _originalModel ? _originalModel->roleNumber(role) : Qt::UserRole;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (data(index(row, 0), roleNumber) == value) {
            return row;
        }
    }
    return -1;
}

int ProxyModel::checkValueByRole(const QStringList& roles, const QVariantList& values) const {
    if (values.size() < roles.size()) {
        mainLog()->warn("ProxyModel::checkValueByRole(): {} roles but only {} values", roles.size(),
                        values.size());
        return -1;
    }
    QVector<int> roleNumbers;
    for (const QString& role : roles) {
        roleNumbers.append(_originalModel ? _originalModel->roleNumber(role) : Qt::UserRole);
    }
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        bool match = true;
        for (int k = 0; k < roleNumbers.size() && match; ++k) {
            match = data(index(row, 0), roleNumbers.at(k)) == values.at(k);
        }
        if (match) {
            return row;
        }
    }
    return -1;
}

QVariant ProxyModel::proxyData(int row, const QString& role) const {
    if (row < 0 || row >= rowCount() || !_originalModel) {
        return {};
    }
    return data(index(row, 0), _originalModel->roleNumber(role));
}

QVariant ProxyModel::proxyData(const QString& parameterRole, const QString& parameter,
                               const QString& valueRole) const {
    if (!_originalModel) {
        return {};
    }
    const int parameterNumber = _originalModel->roleNumber(parameterRole);
    const int valueNumber = _originalModel->roleNumber(valueRole);
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (data(index(row, 0), parameterNumber).toString() == parameter) {
            return data(index(row, 0), valueNumber);
        }
    }
    return {};
}

void ProxyModel::appendHardFilterRole(const QString& role, const QString& operation, const QVariant& value,
                                      const QString& condition, const QString& group_filter_name) {
    auto filter = QSharedPointer<HardFilter>::create();
    filter->role = role;
    filter->operation = operation;
    filter->value = value;
    filter->condition = condition;
    filter->groupName = group_filter_name;
    _hardFilters.insert(nextKey(_hardFilters), filter);
    reapplyHardFilters();
}

void ProxyModel::removeHardFilterRole(const QString& role, const QString& value) {
    for (auto it = _hardFilters.begin(); it != _hardFilters.end();) {
        const bool matches =
            it.value()->role == role && (value.isNull() || it.value()->value == QVariant(value));
        it = matches ? _hardFilters.erase(it) : std::next(it);
    }
    reapplyHardFilters();
}

void ProxyModel::setHardFilterRole(const QString& role, const QString& operation, const QVariant& value,
                                   const QString& condition) {
    _hardFilters.clear();
    appendHardFilterRole(role, operation, value, condition, kDefaultGroup);
}

void ProxyModel::clearHardFilter() {
    _hardFilters.clear();
    reapplyHardFilters();
}

void ProxyModel::appendHardFilterGroup(const QString& group, const QString& condition) {
    auto record = QSharedPointer<GroupFilter>::create();
    record->name = group;
    record->condition = condition;
    _groupFilters.insert(nextKey(_groupFilters), record);
    configChanged();
}

void ProxyModel::removeHardFilterGroup(const QString& group) {
    for (auto it = _groupFilters.begin(); it != _groupFilters.end();) {
        it = it.value()->name == group ? _groupFilters.erase(it) : std::next(it);
    }
    configChanged();
}

void ProxyModel::clearHardFilterGroup() {
    _groupFilters.clear();
    configChanged();
}

void ProxyModel::beginPrepare() {
    setIsPrepareMode(true);
}

void ProxyModel::endPrepare() {
    rerunFilter();
    _isPrepareMode = false;
    Q_EMIT isPrepareModeChanged(false);
}

int ProxyModel::rowCount(const QModelIndex& parent) const {
    // A flat list: an item has no children.
    return parent.isValid() ? 0 : QSortFilterProxyModel::rowCount(QModelIndex());
}

void ProxyModel::setOriginalModel(OriginalModel* originalModel) {
    beginResetModel();
    setSourceModel(originalModel);
    _filterRoleList = originalModel ? originalModel->roleList() : QStringList();
    // The source change dropped every mapping; the next access filters with the new lists, so there is
    // no separate filter run inside the reset.
    const bool wasPrepareMode = _isPrepareMode;
    _isPrepareMode = true;
    reapplyHardFilters();
    _isPrepareMode = wasPrepareMode;
    sortRows(kId, Qt::DescendingOrder);
    endResetModel();
}
