#include <gtest/gtest.h>

#include <algorithm>

#include "Fakes.h"
#include "engine/Shuffle.h"

namespace {

TEST(Start, SeededOrdersArePermutationsAndTheFirstIsDrawn) {
    for (unsigned seed : {1u, 7u, 42u, 2024u, 99999u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        fakes::FakeControls controls;
        fakes::RecordingSurface surface;
        fakes::FakeResults results;
        fakes::SeededSource source(seed);
        engine::Trainer trainer(controls, surface, results, source);
        trainer.pressStart();
        const engine::TrainerState& s = trainer.state();
        std::vector<int> order(s.exampleOrder.begin() + 1, s.exampleOrder.end());
        std::sort(order.begin(), order.end());
        for (int k = 0; k < 21; ++k)
            EXPECT_EQ(order[static_cast<std::size_t>(k)], k + 1);
        EXPECT_EQ(s.exampleNumber, 1);
        EXPECT_EQ(s.exampleId, s.exampleOrder[1]);
        EXPECT_EQ(s.fillIndex, 22);
        const engine::Example& row = engine::exampleById(s.exampleOrder[1]);
        ASSERT_GE(surface.ops.size(), 5u);
        EXPECT_EQ(surface.ops[2], "text  " + std::to_string(row.numerator1));
        EXPECT_EQ(surface.ops[4], "text  " + std::to_string(row.denominator1));
    }
}

TEST(Start, RepeatedDrawsAreRejected) {
    // Each id comes twice in a row, and id 1 after every new one: every
    // second draw is a duplicate that the scan must reject.
    std::vector<double> values;
    for (int id = 21; id >= 1; --id) {
        values.push_back(fakes::valueFor(id));
        values.push_back(fakes::valueFor(id));
        values.push_back(fakes::valueFor(21));
    }
    fakes::ScriptedSource source(values);
    engine::TrainerState state;
    state.fillIndex = 1;
    engine::shuffleExamples(state, source);
    for (int k = 1; k <= 21; ++k)
        EXPECT_EQ(state.exampleOrder[static_cast<std::size_t>(k)], 22 - k) << "slot " << k;
    // The last id is placed by the 61st draw: 20 ids took three draws each.
    EXPECT_EQ(source.draws, 61u);
    EXPECT_EQ(state.candidate, 1);
}

TEST(Start, TheEndsOfTheUnitIntervalMapToTheFirstAndLastIds) {
    std::vector<double> values = {0.9999999999, 0.0};
    for (int id = 2; id <= 20; ++id)
        values.push_back(fakes::valueFor(id));
    fakes::ScriptedSource source(values);
    engine::TrainerState state;
    state.fillIndex = 1;
    engine::shuffleExamples(state, source);
    EXPECT_EQ(state.exampleOrder[1], 21);
    EXPECT_EQ(state.exampleOrder[2], 1);
    EXPECT_EQ(source.draws, 21u);
}

TEST(Start, FirstPressShowsCountersAndDraws) {
    fakes::Rig rig;
    rig.start();
    EXPECT_EQ(rig.source.draws, 21u); // one draw per id of a scripted order, no rejection
    EXPECT_EQ(rig.controls.log,
              (std::vector<std::string>{"move 19000 4000", "caption 8 Пример:", "caption 9 1",
                                        "caption 10 Ошибок:", "caption 11 0"}));
    EXPECT_EQ(rig.state().exampleId, 16);
    EXPECT_EQ(rig.surface.ops.size(), 19u);
    EXPECT_EQ(rig.surface.ops.front(), "font 20");
}

TEST(Start, SecondPressOnlyMovesTheButtonAgain) {
    fakes::Rig rig;
    rig.start();
    rig.answer(1, "5"); // one error, so a reset would show
    const engine::TrainerState before = rig.state();
    const auto ops = rig.surface.ops.size();
    rig.controls.log.clear();
    rig.start();
    EXPECT_EQ(rig.controls.log, (std::vector<std::string>{"move 19000 4000"}));
    EXPECT_EQ(rig.surface.ops.size(), ops);
    EXPECT_EQ(rig.source.draws, 21u); // no second shuffle
    EXPECT_EQ(rig.state().exampleOrder, before.exampleOrder);
    EXPECT_EQ(rig.state().stepErrors, before.stepErrors);
    EXPECT_EQ(rig.state().totalErrors, 1);
}

TEST(Start, HandlersThatNeedARunDoNothingBefore) {
    fakes::Rig rig;
    rig.controls.boxes[3] = "7";
    for (int k = 1; k <= 7; ++k)
        rig.trainer.pressConfirm(k);
    rig.trainer.pressNext();
    EXPECT_TRUE(rig.controls.log.empty());
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_EQ(rig.controls.boxes[3], "7");
    EXPECT_EQ(rig.state().nextPressCount, 0);
    EXPECT_EQ(rig.state().exampleNumber, 0);
}

} // namespace
