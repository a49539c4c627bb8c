#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "engine/Catalogue.h"
#include "engine/TrainerState.h"

namespace {

TEST(Catalogue, EveryRowObeysTheArithmetic) {
    int reducible = 0;
    for (int id = 1; id <= engine::kExampleCount; ++id) {
        SCOPED_TRACE("id " + std::to_string(id));
        const engine::Example& e = engine::exampleById(id);
        EXPECT_EQ(e.id, id);
        EXPECT_LT(e.numerator1, e.denominator1);
        EXPECT_LT(e.numerator2, e.denominator2);
        EXPECT_GT(e.numerator1, 0);
        EXPECT_GT(e.numerator2, 0);
        EXPECT_EQ(std::gcd(e.numerator1, e.denominator1), 1);
        EXPECT_EQ(std::gcd(e.numerator2, e.denominator2), 1);
        EXPECT_NE(e.denominator1, e.denominator2);
        EXPECT_EQ(e.commonDenominator, std::lcm(e.denominator1, e.denominator2));
        const int m1 = e.commonDenominator / e.denominator1;
        const int m2 = e.commonDenominator / e.denominator2;
        const int result = engine::isSubtraction(id) ? e.numerator1 * m1 - e.numerator2 * m2
                                                     : e.numerator1 * m1 + e.numerator2 * m2;
        EXPECT_GT(result, 0);
        EXPECT_LT(result, e.commonDenominator);
        const int g = std::gcd(result, e.commonDenominator);
        if (g > 1) {
            ++reducible;
            EXPECT_EQ(e.reducedNumerator, result / g);
            EXPECT_EQ(e.reducedDenominator, e.commonDenominator / g);
        } else {
            EXPECT_EQ(e.reducedNumerator, 0);
            EXPECT_EQ(e.reducedDenominator, 0);
        }
        EXPECT_EQ(engine::isReducible(id), e.reducedNumerator != 0);
    }
    EXPECT_EQ(reducible, 9);
}

TEST(Catalogue, OperationsAndReducibleSets) {
    std::set<int> subtracting, reducing;
    for (int id = 1; id <= engine::kExampleCount; ++id) {
        if (engine::isSubtraction(id))
            subtracting.insert(id);
        if (engine::isReducible(id))
            reducing.insert(id);
    }
    EXPECT_EQ(subtracting, (std::set<int>{3, 4, 6, 7, 10, 11, 14, 17, 18, 21}));
    EXPECT_EQ(reducing, (std::set<int>{2, 4, 7, 9, 11, 14, 16, 18, 21}));
    EXPECT_FALSE(engine::isSubtraction(0));
    EXPECT_FALSE(engine::isReducible(22));
}

TEST(Catalogue, LoadCurrentExampleCopiesTheRowAtThePosition) {
    engine::TrainerState state;
    for (int k = 1; k <= 21; ++k)
        state.exampleOrder[static_cast<std::size_t>(k)] = 22 - k;
    state.exampleNumber = 5; // id 17: 5/9 - 4/15
    state.stepErrors[3] = 2;
    engine::loadCurrentExample(state);
    EXPECT_EQ(state.exampleId, 17);
    EXPECT_EQ(state.numerator1, 5);
    EXPECT_EQ(state.denominator1, 9);
    EXPECT_EQ(state.numerator2, 4);
    EXPECT_EQ(state.denominator2, 15);
    EXPECT_EQ(state.commonDenominator, 45);
    EXPECT_EQ(state.stepErrors[3], 2);
    EXPECT_EQ(state.exampleNumber, 5);
}

TEST(Catalogue, FreshStateIsAllZero) {
    const engine::TrainerState state;
    EXPECT_EQ(state.exampleNumber, 0);
    EXPECT_EQ(state.nextPressCount, 0);
    EXPECT_EQ(state.totalErrors, 0);
    EXPECT_EQ(state.enteredValue, 0.0);
    for (int v : state.exampleOrder)
        EXPECT_EQ(v, 0);
    for (int v : state.stepErrors)
        EXPECT_EQ(v, 0);
    for (int v : state.stepAnswered)
        EXPECT_EQ(v, 0);
}

} // namespace
