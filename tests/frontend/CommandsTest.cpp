// The key map, the buttons and the focus rules that every face carries out.
#include <gtest/gtest.h>

#include "engine/Fakes.h"
#include "frontend/Commands.h"

namespace {

using frontend::Command;
using frontend::Key;
using frontend::Outcome;
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

// What the trainer is asked, and what the face is told to do next: Enter
// works down the steps, a click leaves the focus where it is.
TEST(Commands, RequestsReachTheTrainerAndSayWhatTheFaceDoesNext) {
    using Kind = Outcome::Kind;
    fakes::Rig rig;
    const auto carry = [&](Request r, bool byKey = false) {
        return frontend::carryOut(rig.trainer, r, byKey);
    };
    EXPECT_EQ(carry({Command::Start}, true), Outcome{});
    EXPECT_EQ(rig.state().exampleNumber, 1);
    rig.controls.boxes[1] = "4";
    EXPECT_EQ(carry({Command::Confirm, 1}, true), (Outcome{Kind::FocusControl, "t2"}));
    EXPECT_EQ(rig.state().stepAnswered[1], 1);
    EXPECT_EQ(carry({Command::Confirm, 2}), Outcome{});
    EXPECT_EQ(rig.state().stepAnswered[2], 1);
    EXPECT_STREQ(carry({Command::Confirm, 6}, true).control, "t7");
    EXPECT_STREQ(carry({Command::Confirm, 7}, true).control, "Command9");
    EXPECT_EQ(carry({Command::RepeatExample}, true), Outcome{});
    EXPECT_EQ(rig.controls.said.back(), rig.surface.description);
    EXPECT_EQ(carry({Command::Results}).kind, Kind::FocusResults);
    EXPECT_EQ(carry({Command::CloseResults}, true).kind, Kind::BackToMain);
    EXPECT_EQ(rig.results.opens, 1);
    EXPECT_EQ(rig.results.closes, 1);
    carry({Command::Next});
    EXPECT_EQ(rig.state().exampleNumber, 2);
    EXPECT_EQ(carry({Command::ToggleVoice}, true).kind, Kind::ToggleVoice);
    EXPECT_EQ(carry({Command::Exit}).kind, Kind::End);
    EXPECT_EQ(rig.state().exampleNumber, 2);
}

} // namespace
