// The key map, the buttons and the focus rules that every face carries out.
#include <gtest/gtest.h>

#include "engine/Fakes.h"
#include "frontend/Commands.h"

namespace {

using frontend::Command;
using frontend::FocusMove;
using frontend::Key;
using frontend::Request;

TEST(Commands, KeysCountInTheirWindowAndEnterOnlyInABox) {
    EXPECT_EQ(frontend::requestForKey("Form1", Key::Escape, "Command3"), Request{Command::Start});
    EXPECT_EQ(frontend::requestForKey("Form1", Key::Escape, ""), Request{Command::Start});
    EXPECT_EQ(frontend::requestForKey("Form1", Key::F2, "t4"), Request{Command::RepeatExample});
    EXPECT_EQ(frontend::requestForKey("Form1", Key::Enter, "t7"), (Request{Command::Confirm, 7}));
    EXPECT_EQ(frontend::requestForKey("Form1", Key::Enter, "Command7"), std::nullopt);
    EXPECT_EQ(frontend::requestForKey("Form1", Key::Enter, "Option1"), std::nullopt);
    EXPECT_EQ(frontend::requestForKey("Form2", Key::Escape, ""), Request{Command::CloseResults});
    EXPECT_EQ(frontend::requestForKey("Form2", Key::F2, ""), std::nullopt);
    EXPECT_EQ(frontend::requestForKey("Form1", Key::F3, "t2"), Request{Command::ToggleVoice});
    EXPECT_EQ(frontend::requestForKey("Form2", Key::F3, ""), Request{Command::ToggleVoice});
    EXPECT_EQ(frontend::requestForKey("Form2", Key::Enter, "t1"), std::nullopt);
}

TEST(Commands, EveryPushButtonAsksForItsHandlerAndNothingElseAsksAnything) {
    EXPECT_EQ(frontend::requestForClick("cmd1"), Request{Command::Start});
    EXPECT_EQ(frontend::requestForClick("Command1"), (Request{Command::Confirm, 1}));
    EXPECT_EQ(frontend::requestForClick("Command7"), (Request{Command::Confirm, 7}));
    EXPECT_EQ(frontend::requestForClick("Command9"), Request{Command::Next});
    EXPECT_EQ(frontend::requestForClick("Command10"), Request{Command::Results});
    EXPECT_EQ(frontend::requestForClick("Command8"), Request{Command::Exit});
    for (const char* other : {"t1", "Label12", "Option2", "Frame1", "Command11", ""})
        EXPECT_EQ(frontend::requestForClick(other), std::nullopt) << other;
}

TEST(Commands, EnterWorksDownTheStepsAndAClickLeavesTheFocus) {
    EXPECT_EQ(frontend::focusAfter({Command::Confirm, 1}, true),
              (FocusMove{FocusMove::ToControl, "t2"}));
    EXPECT_STREQ(frontend::focusAfter({Command::Confirm, 6}, true).control, "t7");
    EXPECT_STREQ(frontend::focusAfter({Command::Confirm, 7}, true).control, "Command9");
    EXPECT_EQ(frontend::focusAfter({Command::Confirm, 3}, false), FocusMove{});
    EXPECT_EQ(frontend::focusAfter({Command::Start}, true), FocusMove{});
    EXPECT_EQ(frontend::focusAfter({Command::Results}, false).kind, FocusMove::ToResults);
    EXPECT_EQ(frontend::focusAfter({Command::CloseResults}, true).kind, FocusMove::BackToMain);
}

TEST(Commands, RequestsReachTheTrainer) {
    fakes::Rig rig;
    frontend::perform(rig.trainer, {Command::Start});
    EXPECT_EQ(rig.state().exampleNumber, 1);
    rig.controls.boxes[2] = "4";
    frontend::perform(rig.trainer, {Command::Confirm, 2});
    EXPECT_EQ(rig.state().stepAnswered[2], 1);
    frontend::perform(rig.trainer, {Command::RepeatExample});
    EXPECT_EQ(rig.controls.said.back(), rig.surface.description);
    frontend::perform(rig.trainer, {Command::Results});
    frontend::perform(rig.trainer, {Command::CloseResults});
    EXPECT_EQ(rig.results.opens, 1);
    EXPECT_EQ(rig.results.closes, 1);
    frontend::perform(rig.trainer, {Command::Next});
    EXPECT_EQ(rig.state().exampleNumber, 2);
    frontend::perform(rig.trainer, {Command::Exit});
    EXPECT_EQ(rig.state().exampleNumber, 2);
}

} // namespace
