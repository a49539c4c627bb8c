#include <gtest/gtest.h>

#include "Fakes.h"

namespace {

std::string value(const fakes::FakeResults& r, int label) {
    auto it = r.values.find(label);
    return it == r.values.end() ? "<unset>" : it->second;
}

TEST(Results, BeforeTheStartOpensEmpty) {
    fakes::Rig rig;
    fakes::FakeResults& results = rig.results;
    rig.trainer.pressResults();
    EXPECT_EQ(results.opens, 1);
    EXPECT_TRUE(results.values.empty());
}

TEST(Results, RightAfterTheStartEverythingIsZero) {
    fakes::Rig rig;
    rig.start();
    fakes::FakeResults& results = rig.results;
    rig.trainer.pressResults();
    EXPECT_EQ(results.order, (std::vector<int>{2, 4, 14, 15, 16, 17, 18, 19, 20, 21}));
    for (int label : results.order)
        EXPECT_EQ(value(results, label), "0") << "Label" << label;
}

TEST(Results, TheExampleOnScreenCountsOnlyWithAllSevenStepsConfirmed) {
    fakes::Rig rig;
    rig.start();
    for (int press = 0; press < 4; ++press)
        rig.trainer.pressNext();
    for (int k = 1; k <= 6; ++k)
        rig.answer(k, "1");
    fakes::FakeResults& results = rig.results;
    rig.trainer.pressResults();
    EXPECT_EQ(value(results, 2), "4");
    rig.answer(7, "1");
    rig.trainer.pressResults();
    EXPECT_EQ(value(results, 2), "5");
}

TEST(Results, TotalIsTheSumOfTheStepsAndStepEightWaitsForTheNextPress) {
    fakes::Rig rig;
    rig.start();
    rig.answer(1, "1");
    rig.answer(2, "1");
    rig.controls.option2 = true; // wrong for id 16, which reduces
    fakes::FakeResults& results = rig.results;
    rig.trainer.pressResults();
    EXPECT_EQ(value(results, 21), "0");
    rig.trainer.pressNext();
    rig.answer(3, "1");
    rig.trainer.pressResults();
    int sum = 0;
    for (int label = 14; label <= 21; ++label)
        sum += std::stoi(value(results, label));
    EXPECT_EQ(value(results, 4), std::to_string(sum));
    EXPECT_EQ(value(results, 21), "1");
    EXPECT_EQ(value(results, 14), "1"); // wrong once; still open on the second example
    EXPECT_EQ(value(results, 2), "1");
    // Showing the results judges nothing and leaves Label11 alone.
    rig.controls.log.clear();
    rig.trainer.pressResults();
    EXPECT_TRUE(rig.controls.log.empty());
}

TEST(Results, LastExampleCountsWhenItsStepsWereAllConfirmed) {
    for (bool complete : {true, false}) {
        fakes::Rig rig;
        rig.start();
        for (int press = 0; press < 20; ++press)
            rig.trainer.pressNext();
        for (int k = 1; k <= (complete ? 7 : 6); ++k)
            rig.answer(k, "1");
        rig.trainer.pressNext(); // settles the 21st example
        fakes::FakeResults& results = rig.results;
        rig.trainer.pressResults();
        EXPECT_EQ(value(results, 2), complete ? "21" : "20");
    }
}

} // namespace
