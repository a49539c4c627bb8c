#include <gtest/gtest.h>

#include "ExpectedSteps.h"
#include "Fakes.h"
#include "engine/StepChecks.h"

namespace {

using Ops = std::vector<std::string>;

// Steps 1..7 of `id`, worked out independently of the engine.
std::vector<int> expectedSteps(int id) {
    const auto steps = testing_support::expectedSteps(id);
    return {steps.begin() + 1, steps.end()};
}

TEST(ExpectedValues, AllRowsAgreeWithAnIndependentComputation) {
    for (int id = 1; id <= 21; ++id) {
        const engine::TrainerState state = fakes::loaded(id);
        const std::vector<int> want = expectedSteps(id);
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(engine::expectedValue(state, k), want[static_cast<std::size_t>(k - 1)])
                << "id " << id << " step " << k;
        const bool subtracts = engine::expectedValue(state, 6) <
                               engine::expectedValue(state, 4) + engine::expectedValue(state, 5);
        EXPECT_EQ(subtracts, engine::isSubtraction(id)) << "id " << id;
    }
    EXPECT_EQ(expectedSteps(4), (std::vector<int>{12, 1, 3, 5, 3, 2, 12}));
    EXPECT_EQ(expectedSteps(2), (std::vector<int>{15, 3, 1, 9, 1, 10, 15}));
}

struct StepCase {
    const char* name;
    int step;
    Ops drawing; // for example id 16: 2/15 + 5/12 = 8/60 + 25/60 = 33/60
};

const StepCase kStepCases[] = {
    {"step1", 1, {"font 20", "point 5120 1300", "text  60", "point 6120 1300", "text  60"}},
    {"step2", 2, {"font 12", "line 3600 850 3900 950", "point 3600 600", "text  4"}},
    {"step3", 3, {"font 12", "line 4600 850 4900 950", "point 4600 600", "text  5"}},
    {"step4", 4, {"font 20", "point 5120 900", "text  8"}},
    {"step5",
     5,
     {"font 20", "point 6120 900", "text  25", "point 6900 1110",
      "text =", "line 7200 1330 7750 1330"}},
    {"step6", 6, {"font 20", "point 7120 900", "text  33"}},
    {"step7", 7, {"font 20", "point 7120 1300", "text  60"}},
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class EachStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(EachStep, RightAnswerEchoesCountsNothingAndDraws) {
    const StepCase& c = GetParam();
    fakes::Rig rig;
    rig.start();
    rig.surface.ops.clear();
    const int want = expectedSteps(16)[static_cast<std::size_t>(c.step - 1)];
    rig.answer(c.step, " " + std::to_string(want) + " ");
    EXPECT_EQ(rig.controls.caption(11 + c.step), std::to_string(want));
    EXPECT_EQ(rig.controls.caption(18 + c.step), "- верно");
    EXPECT_EQ(rig.controls.caption(11), "0");
    EXPECT_EQ(rig.state().stepErrors[static_cast<std::size_t>(c.step)], 0);
    EXPECT_EQ(rig.state().stepAnswered[static_cast<std::size_t>(c.step)], 1);
    EXPECT_EQ(rig.state().enteredValue, want);
    EXPECT_EQ(rig.surface.ops, c.drawing);
}

TEST_P(EachStep, WrongAnswerCountsOneErrorAndStillDrawsTheRightValue) {
    const StepCase& c = GetParam();
    fakes::Rig rig;
    rig.start();
    rig.surface.ops.clear();
    rig.answer(c.step, "99abc");
    EXPECT_EQ(rig.controls.caption(11 + c.step), "99");
    EXPECT_EQ(rig.controls.caption(18 + c.step), "- ошибка");
    EXPECT_EQ(rig.controls.caption(11), "1");
    EXPECT_EQ(rig.state().stepErrors[static_cast<std::size_t>(c.step)], 1);
    EXPECT_EQ(rig.state().totalErrors, 1);
    EXPECT_EQ(rig.surface.ops, c.drawing);
}

TEST_P(EachStep, SecondPressOnlyEmptiesTheBox) {
    const StepCase& c = GetParam();
    fakes::Rig rig;
    rig.start();
    rig.answer(c.step, "1000");
    const auto ops = rig.surface.ops.size();
    const engine::TrainerState before = rig.state();
    rig.answer(c.step, "-5");
    EXPECT_EQ(rig.controls.boxes[c.step], "");
    EXPECT_EQ(rig.controls.caption(11 + c.step), "1000");
    EXPECT_EQ(rig.controls.caption(18 + c.step), "- ошибка");
    EXPECT_EQ(rig.state().stepErrors, before.stepErrors);
    EXPECT_EQ(rig.state().stepAnswered, before.stepAnswered);
    EXPECT_EQ(rig.state().enteredValue, 1000);
    EXPECT_EQ(rig.surface.ops.size(), ops);
}

TEST_P(EachStep, SetsItsFontSizeWhateverItWasBefore) {
    const StepCase& c = GetParam();
    for (int other = 1; other <= 7; ++other) {
        if (other == c.step)
            continue;
        fakes::Rig rig;
        rig.start();
        rig.answer(other, "0");
        rig.surface.ops.clear();
        rig.answer(c.step, "0");
        ASSERT_FALSE(rig.surface.ops.empty());
        EXPECT_EQ(rig.surface.ops.front(), c.drawing.front()) << "after step " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, EachStep, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Steps, EmptyBoxIsWrongAndEchoesZero) {
    fakes::Rig rig;
    rig.start();
    rig.answer(2, "");
    EXPECT_EQ(rig.controls.caption(13), "0");
    EXPECT_EQ(rig.controls.caption(20), "- ошибка");
    EXPECT_EQ(rig.state().stepErrors[2], 1);
}

TEST(Steps, DecimalAndTrailingLettersAreRight) {
    fakes::Rig rig;
    rig.start(); // 2/15 + 5/12: common denominator 60, multiplier1 4
    rig.answer(1, "60.0");
    rig.answer(2, "4 штуки");
    EXPECT_EQ(rig.controls.caption(12), "60");
    EXPECT_EQ(rig.controls.caption(13), "4");
    EXPECT_EQ(rig.controls.caption(19), "- верно");
    EXPECT_EQ(rig.controls.caption(20), "- верно");
    EXPECT_EQ(rig.state().totalErrors, 0);
}

TEST(Steps, HugeAnswerIsWrongAndEchoedFinite) {
    fakes::Rig rig;
    rig.start();
    rig.answer(4, "1e999");
    EXPECT_EQ(rig.controls.caption(15), "1.79769313486232E+308");
    EXPECT_EQ(rig.controls.caption(22), "- ошибка");
    EXPECT_EQ(rig.state().stepErrors[4], 1);
}

TEST(Steps, OutOfOrderStepsDrawOnlyTheirOwnPart) {
    fakes::Rig rig;
    rig.start();
    rig.surface.ops.clear();
    rig.answer(6, "33");
    rig.answer(3, "1");
    rig.answer(1, "60");
    EXPECT_EQ(rig.surface.ops,
              (Ops{"font 20", "point 7120 900", "text  33", "font 12", "line 4600 850 4900 950",
                   "point 4600 600", "text  5", "font 20", "point 5120 1300", "text  60",
                   "point 6120 1300", "text  60"}));
    EXPECT_EQ(rig.state().stepErrors[3], 1);
    EXPECT_EQ(rig.controls.caption(11), "1");
}

TEST(Steps, TotalIncludesStepEightErrors) {
    fakes::Rig rig({3, 16, 4, 2, 21, 1, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20});
    rig.start();
    rig.answerAllRight();
    rig.trainer.pressNext(); // id 3 is not reducible; "Да" is selected: one step-8 error
    EXPECT_EQ(rig.state().stepErrors[8], 1);
    rig.answer(3, "0");  // wrong
    rig.answer(5, "25"); // right: 16 is 2/15 + 5/12, 25/60
    EXPECT_EQ(rig.state().stepErrors[3], 1);
    EXPECT_EQ(rig.state().stepErrors[5], 0);
    EXPECT_EQ(rig.controls.caption(11), "2");
}

struct ReducibilityCase {
    const char* name;
    int id;
    bool no; // "Нет" selected
    int errors;
};

void PrintTo(const ReducibilityCase& c, std::ostream* os) {
    *os << c.name;
}

class Reducibility : public ::testing::TestWithParam<ReducibilityCase> {};

TEST_P(Reducibility, CountsOnlyAWrongChoice) {
    const ReducibilityCase& c = GetParam();
    engine::TrainerState state = fakes::loaded(c.id);
    fakes::FakeControls controls;
    controls.option2 = c.no;
    engine::judgeReducibility(state, controls);
    EXPECT_EQ(state.stepErrors[8], c.errors);
    EXPECT_EQ(state.totalErrors, 0);
    EXPECT_TRUE(controls.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Step8, Reducibility,
                         ::testing::Values(ReducibilityCase{"id21_no", 21, true, 1},
                                           ReducibilityCase{"id21_yes", 21, false, 0},
                                           ReducibilityCase{"id3_no", 3, true, 0},
                                           ReducibilityCase{"id3_yes", 3, false, 1},
                                           ReducibilityCase{"id16_yes", 16, false, 0},
                                           ReducibilityCase{"id1_no", 1, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Reducibility, UntouchedOptionsAnswerYesForEveryExample) {
    int errors = 0;
    for (int id = 1; id <= 21; ++id) {
        engine::TrainerState state = fakes::loaded(id);
        fakes::FakeControls controls;
        engine::judgeReducibility(state, controls);
        errors += state.stepErrors[8];
    }
    EXPECT_EQ(errors, 12);
}

} // namespace
