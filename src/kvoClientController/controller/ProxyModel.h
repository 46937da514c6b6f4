#pragma once

#include <QMap>
#include <QMetaObject>
#include <QMutex>
#include <QPointer>
#include <QRegularExpression>
#include <QSharedPointer>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QVector>

class OriginalModel;

// The view QML tables bind to: rows of one OriginalModel that pass the hard filters and the free-text
// search, sorted by one role with a type-aware comparison and "id" as tie-break.
class ProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
    Q_PROPERTY(bool extendedSearch READ extendedSearch WRITE setExtendedSearch NOTIFY extendedSearchChanged)
    Q_PROPERTY(bool showAllByZeroSearch READ showAllByZeroSearch CONSTANT)
    Q_PROPERTY(QString sortedRole READ sortedRole NOTIFY sortedRoleChanged)
    Q_PROPERTY(bool isPrepareMode READ isPrepareMode WRITE setIsPrepareMode NOTIFY isPrepareModeChanged)

public:
    explicit ProxyModel(QObject* parent = nullptr);
    ~ProxyModel() override;

    bool extendedSearch() const { return _extendedSearch; }
    void setExtendedSearch(bool extendedSearch);
    bool showAllByZeroSearch() const { return _showAllByZeroSearch; }
    const QString& sortedRole() const { return _sortedRole; }
    bool isPrepareMode() const { return _isPrepareMode; }
    void setIsPrepareMode(bool isPrepareMode);
    // The expression the search uses (the typed text after the extended-mode rewrite).
    const QRegularExpression& searchExpression() const { return _search; }

    Q_INVOKABLE int checkValueByRole(const QString& role, const QVariant& value) const;
    Q_INVOKABLE int checkValueByRole(const QStringList& roles, const QVariantList& values) const;
    Q_INVOKABLE void setFilterPattern(const QString& filterPattern);
    Q_INVOKABLE void setFilterFields(const QStringList& filterRoleList);
    Q_INVOKABLE QVariant proxyData(int row, const QString& role) const;
    Q_INVOKABLE QVariant proxyData(const QString& parameterRole, const QString& parameter,
                                   const QString& valueRole) const;
    Q_INVOKABLE void invalidateFilter();
    Q_INVOKABLE void sortRows(const QString& role, Qt::SortOrder order);
    Q_INVOKABLE void sortRows();
    Q_INVOKABLE void getSortedRole() {}
    Q_INVOKABLE void appendHardFilterRole(const QString& role, const QString& operation,
                                          const QVariant& value,
                                          const QString& condition = QStringLiteral("and"),
                                          const QString& group_filter_name = QStringLiteral("default"));
    Q_INVOKABLE void removeHardFilterRole(const QString& role, const QString& value = QString());
    Q_INVOKABLE void setHardFilterRole(const QString& role, const QString& operation, const QVariant& value,
                                       const QString& condition = QStringLiteral("and"));
    Q_INVOKABLE void clearHardFilter();
    Q_INVOKABLE void appendHardFilterGroup(const QString& group, const QString& condition);
    Q_INVOKABLE void removeHardFilterGroup(const QString& group);
    Q_INVOKABLE void clearHardFilterGroup();
    Q_INVOKABLE void beginPrepare();
    Q_INVOKABLE void endPrepare();
    Q_INVOKABLE int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    Q_INVOKABLE void setOriginalModel(OriginalModel* originalModel);
    Q_INVOKABLE int getFilterRowCount() const { return _filterRowCount; }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

Q_SIGNALS:
    void extendedSearchChanged();
    void sortStarted();
    void sortFinished();
    void filterFinished();
    void sortedRoleChanged(QString sortedRole);
    void isPrepareModeChanged(bool isPrepareMode);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private Q_SLOTS:
    void onSourceModelChanged();
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);

private:
    struct GroupFilter {
        QString name;
        QString condition = QStringLiteral("and");
        bool result = true;
        bool first = true;
    };
    struct HardFilter {
        QString role;
        QString condition = QStringLiteral("and");
        QVariant value;
        QString operation;
        QString groupName = QStringLiteral("default");
    };
    enum class Operation { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual, Invalid };
    // A hard filter with what the row loop needs looked up once per filter run.
    struct ResolvedFilter {
        const HardFilter* filter = nullptr;
        int roleIndex = -1;
        Operation operation = Operation::Invalid;
        bool integer = false;
        QString valueText;
        qint64 valueInt = 0;
        double valueDouble = 0;
        GroupFilter* group = nullptr;
    };
    // Sort keys of every source row for one role, typed by the entity field. Texts are replaced by the
    // rank of their lower-cased form, so that a sort compares numbers only.
    struct KeyColumn {
        bool isDouble = false;
        QVector<qint64> ints;
        QVector<double> doubles;
        int size = 0;
        int compare(int a, int b) const;
    };

    void reapplyHardFilters();
    void rerunFilter();
    void configChanged() { ++_configRevision; }
    void resolve() const;
    bool evaluate(const ResolvedFilter& f, const QVariant& v) const;
    bool searchMatches(const QVariant& value) const;
    void findRequiredWords(const QStringList& words);
    void buildKeys(KeyColumn& column, const QString& role) const;
    void ensureSortKeys() const;
    template <class Record>
    static qint64 nextKey(const QMap<qint64, QSharedPointer<Record>>& map);

    QStringList _filterRoleList;
    QStringList _effectiveFilterRoleList;
    QPointer<OriginalModel> _originalModel;
    QString _sortedRole = QStringLiteral("id");
    QMap<qint64, QSharedPointer<GroupFilter>> _groupFilters;
    QMap<qint64, QSharedPointer<HardFilter>> _hardFilters;
    bool _isPrepareMode = false;
    QMutex _sortMutex;
    bool _extendedSearch = true;
    int _filterRowCount = 0;
    const bool _showAllByZeroSearch = false;
    QRegularExpression _search;
    QMetaObject::Connection _dataChangedConnection;

    // Look-ups cached between filter runs; rebuilt when the configuration or the role list changes.
    quint64 _configRevision = 0;
    mutable quint64 _resolvedConfigRevision = ~quint64(0);
    mutable quint64 _resolvedRoleListRevision = ~quint64(0);
    mutable const OriginalModel* _resolvedModel = nullptr;
    mutable QVector<ResolvedFilter> _resolvedFilters;
    mutable QVector<GroupFilter*> _groupsInOrder;
    mutable QStringList _searchKeys;         // searched roles the model has, in map (name) order
    mutable QStringList _missingSearchRoles; // searched roles the model does not have
    mutable bool _searchAll = false;         // empty pattern: every string matches
    // For patterns made of plain words: each word must occur in a value that matches, so values without
    // one of them are passed over before the expression runs.
    QStringList _requiredWords;
    bool _wordsExcludeNumbers = false; // a word has a character no printed number contains

    mutable bool _sortKeysValid = false;
    mutable quint64 _sortKeysRevision = 0;
    mutable const OriginalModel* _sortKeysModel = nullptr;
    mutable int _sortKeysRole = -1;
    mutable KeyColumn _sortKeys;
    mutable KeyColumn _idKeys;
};
