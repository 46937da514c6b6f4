#include "kvoCore/Utils.h"

#include <QSet>
#include <map>
#include <random>

#include <gtest/gtest.h>

using KvoCore::Utils;

// Must stay the first test of this program: it checks the sequence of a generator that is created once
// per process with the default seed.
TEST(UtilsDistribution, SequenceRepeatsFromRunToRun) {
    const QVariantMap weights{{"cam1", 1}, {"cam2", 2.5}, {"cam3", 0.5}, {"cam4", 6}};
    std::mt19937 reference;
    std::discrete_distribution<int> pick({1, 2.5, 0.5, 6});
    const QStringList keys = weights.keys();
    QStringList expected;
    QStringList actual;
    for (int i = 0; i < 50; ++i) {
        expected.append(keys.at(pick(reference)));
        actual.append(Utils::descreteDistribution(weights));
    }
    EXPECT_EQ(actual, expected);
    // Not stuck on one key.
    EXPECT_GT(QSet<QString>(actual.begin(), actual.end()).size(), 2);
}

TEST(UtilsDistribution, DegenerateMaps) {
    EXPECT_EQ(Utils::descreteDistribution({}), "");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Utils::descreteDistribution({{"only", 3}}), "only");
        EXPECT_EQ(Utils::descreteDistribution({{"a", 0}, {"b", 1}}), "b");
    }
    // Weights that cannot form a distribution give no key instead of an arbitrary one.
    EXPECT_EQ(Utils::descreteDistribution({{"a", 0}, {"b", 0}}), "");
    EXPECT_EQ(Utils::descreteDistribution({{"a", -1}, {"b", 2}}), "");
    EXPECT_EQ(Utils::descreteDistribution({{"a", "heavy"}, {"b", 2}}), "");
}

TEST(UtilsDistribution, FrequenciesFollowWeights) {
    std::map<QString, int> counts;
    const int n = 8000;
    for (int i = 0; i < n; ++i) {
        ++counts[Utils::descreteDistribution({{"low", 1}, {"high", 3}})];
    }
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_NEAR(counts["high"] / double(n), 0.75, 0.03);
}
