#include "kvoCore/SharedPointerEx.h"
#include "kvoCore/SpSingleton.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

struct Counter : QObject {
    explicit Counter(int start) : value(start) {}
    int value;
};

struct NeedsArgs : QObject {
    explicit NeedsArgs(int v) : value(v) {}
    int value;
};

} // namespace

TEST(SharedPointerEx, NullDereferenceThrowsWithItsText) {
    SharedPointerEx<Counter> empty;
    try {
        empty.data();
        FAIL();
    } catch (const std::runtime_error& e) {
        const QString what = QString::fromUtf8(e.what());
        EXPECT_TRUE(what.startsWith("'SharedPointerEx: inline T * data() const', line: '")) << e.what();
        EXPECT_TRUE(what.endsWith("' descriptions: 'Pointer is null!'.")) << e.what();
    }
    try {
        (void)empty->value;
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(
            "'SharedPointerEx: inline T *QSharedPointer::operator->() const', line: '"))
            << e.what();
    }
    SharedPointerEx<Counter> full(new Counter(3));
    EXPECT_EQ(full->value, 3);
    EXPECT_EQ(full.data()->value, 3);
}

TEST(SpSingleton, FirstArgumentsWinAndObjectIsNeverReplaced) {
    Counter* first = SpSingleton<Counter>::instance(5);
    Counter* second = SpSingleton<Counter>::instance(9);
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->value, 5);
    EXPECT_EQ(SpSingleton<Counter>::instance()->value, 5);
}

TEST(SpSingleton, MissingConstructionArgumentsThrow) {
    try {
        SpSingleton<NeedsArgs>::instance();
        FAIL();
    } catch (const std::runtime_error& e) {
        const QString what = QString::fromUtf8(e.what());
        EXPECT_TRUE(what.contains(
            "SpSingleton.h::SpSingleton<class (anonymous namespace)::NeedsArgs>::instance line: "))
            << e.what();
        EXPECT_TRUE(what.endsWith("', descriptions: 'ERROR_DESCRIPTIONS'.")) << e.what();
    }
    // A later call with the arguments still creates it.
    EXPECT_EQ(SpSingleton<NeedsArgs>::instance(7)->value, 7);
}
