#include <gtest/gtest.h>

#include <algorithm>

#include "Fakes.h"

namespace {

int sumOfSteps(const engine::TrainerState& s, int from, int to) {
    int sum = 0;
    for (int k = from; k <= to; ++k)
        sum += s.stepErrors[static_cast<std::size_t>(k)];
    return sum;
}

TEST(NextExample, AtOnceOnAFreshExampleCountsEverySkippedStep) {
    for (bool no : {false, true}) {
        fakes::Rig rig; // the first example is id 16, which reduces
        rig.controls.option2 = no;
        rig.start();
        rig.trainer.pressNext();
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(rig.state().stepErrors[static_cast<std::size_t>(k)], 1) << "step " << k;
        EXPECT_EQ(rig.state().stepErrors[8], no ? 1 : 0);
        EXPECT_EQ(rig.controls.caption(11), no ? "8" : "7");
        EXPECT_EQ(rig.controls.caption(9), "2");
    }
}

TEST(NextExample, ConfirmedOrTypedStepsAddNothing) {
    fakes::Rig rig;
    rig.start();
    rig.answer(1, "7");          // confirmed wrong: one error, no more
    rig.answer(2, "4");          // confirmed right
    rig.controls.boxes[3] = "5"; // typed, never confirmed
    rig.controls.boxes[4] = " "; // blanks are not an empty box
    rig.trainer.pressNext();
    const auto& e = rig.state().stepErrors;
    EXPECT_EQ(e[1], 1);
    EXPECT_EQ(e[2], 0);
    EXPECT_EQ(e[3], 0);
    EXPECT_EQ(e[4], 0);
    EXPECT_EQ(e[5] + e[6] + e[7], 3);
    EXPECT_EQ(rig.controls.boxes[3], "");
}

TEST(NextExample, ClearsEverythingInOrderAndDrawsTheNextOnAFreshSurface) {
    fakes::Rig rig;
    rig.start();
    rig.answerAllRight();
    rig.controls.log.clear();
    rig.surface.ops.clear();
    rig.trainer.pressNext();
    std::vector<std::string> want;
    for (int n = 12; n <= 25; ++n)
        want.push_back("caption " + std::to_string(n) + " ");
    for (int k = 1; k <= 7; ++k)
        want.push_back("box " + std::to_string(k) + " ");
    want.push_back("caption 9 2");
    want.push_back("caption 11 0"); // id 16 reduces and "Да" is selected
    EXPECT_EQ(rig.controls.log, want);
    ASSERT_FALSE(rig.surface.ops.empty());
    EXPECT_EQ(rig.surface.ops.front(), "clear");
    EXPECT_EQ(rig.surface.ops[1], "font 20");
    EXPECT_EQ(rig.surface.ops[3], "text  1"); // id 3: 1/2 - 1/3
    EXPECT_EQ(rig.surface.ops.back(), "text -");
    EXPECT_EQ(rig.state().exampleId, 3);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(rig.state().stepAnswered[static_cast<std::size_t>(k)], 0);
}

TEST(NextExample, CountersAccumulateOverTheRun) {
    fakes::Rig rig;
    rig.start();
    rig.trainer.pressNext();
    rig.trainer.pressNext();
    EXPECT_EQ(rig.state().totalErrors, 7 + 7 + 1); // id 3 does not reduce: "Да" is wrong
    EXPECT_EQ(rig.controls.caption(11), "15");
}

TEST(NextExample, WholeRunAnsweredRightThenTheLastExampleIsSettledOnce) {
    fakes::Rig rig;
    rig.start();
    for (int press = 1; press <= 20; ++press) {
        rig.answerAllRight();
        rig.controls.option2 = !engine::isReducible(rig.state().exampleId);
        rig.trainer.pressNext();
        EXPECT_EQ(rig.state().exampleNumber, press + 1);
    }
    EXPECT_EQ(rig.controls.caption(9), "21");
    EXPECT_EQ(rig.state().totalErrors, 0);
    EXPECT_EQ(rig.controls.messages, 0);

    // The 21st example (id 20, not reducible): six steps right, one left
    // empty, the wrong option chosen.
    for (int k = 1; k <= 6; ++k)
        rig.answer(k, std::to_string(fakes::workedAnswer(rig.state(), k)));
    rig.controls.option2 = false;
    const auto ops = rig.surface.ops.size();
    rig.trainer.pressNext();
    EXPECT_EQ(rig.controls.messages, 1);
    EXPECT_EQ(rig.state().stepErrors[7], 1);
    EXPECT_EQ(rig.state().stepErrors[8], 1);
    EXPECT_EQ(rig.controls.caption(11), "2");
    EXPECT_EQ(rig.controls.caption(12), "36"); // answers stay on screen
    EXPECT_EQ(rig.controls.caption(24), "- верно");
    EXPECT_EQ(rig.controls.caption(9), "21");
    EXPECT_EQ(rig.surface.ops.size(), ops); // the example stays drawn

    // Closed: the open step only empties its box now, and says why; a judged
    // one says that it was judged.
    rig.answer(7, "36");
    EXPECT_EQ(rig.controls.boxes[7], "");
    EXPECT_EQ(rig.controls.caption(18), "");
    EXPECT_EQ(rig.surface.ops.size(), ops);
    EXPECT_EQ(rig.controls.said.back(),
              "Последний пример завершён, шаг 7 больше не проверяется, поле очищено.");
    rig.answer(1, "36");
    EXPECT_EQ(rig.controls.said.back(), "Шаг 1 уже проверен, поле очищено.");

    // Later presses only repeat the message.
    const engine::TrainerState settled = rig.state();
    rig.controls.option2 = true;
    rig.controls.log.clear();
    rig.trainer.pressNext();
    rig.trainer.pressNext();
    EXPECT_EQ(rig.controls.messages, 3);
    EXPECT_EQ(rig.controls.log, (std::vector<std::string>{"message", "message"}));
    EXPECT_EQ(rig.state().stepErrors, settled.stepErrors);
    EXPECT_EQ(rig.state().exampleNumber, 21);
    EXPECT_EQ(rig.state().nextPressCount, 23);
}

TEST(NextExample, SkippingTheWholeRunCountsEveryExample) {
    fakes::Rig rig;
    rig.start();
    for (int press = 0; press < 21; ++press)
        rig.trainer.pressNext();
    // 21 examples, seven skipped steps each; "Да" is wrong on the twelve
    // examples that do not reduce.
    EXPECT_EQ(sumOfSteps(rig.state(), 1, 7), 21 * 7);
    EXPECT_EQ(rig.state().stepErrors[8], 12);
    EXPECT_EQ(rig.controls.caption(11), std::to_string(21 * 7 + 12));
    EXPECT_EQ(rig.controls.messages, 1);
}

} // namespace
