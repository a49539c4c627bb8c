// The program's own voice: silent until F3, the sentences a screen reader
// gets said aloud, an earlier action's speech cut off by the next one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Narration.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"
#include "frontend/Voice.h"

namespace {

// What the system's speech was asked: "say: …" and "stop" in order.
struct RecordingSpeech final : frontend::SpeechOutput {
    bool russian = true;
    std::vector<std::string> calls;
    bool hasRussianVoice() override { return russian; }
    void speak(std::string_view words) override { calls.push_back("say: " + std::string(words)); }
    void stop() override { calls.push_back("stop"); }
};

using Calls = std::vector<std::string>;

TEST(Voice, SilentUntilTurnedOnAndAfterTurnedOff) {
    RecordingSpeech speech;
    frontend::Voice voice(speech);
    voice.say("Пример 1 из 21.");
    voice.focusMoved(frontend::mainWindowLayout(), "t2");
    EXPECT_TRUE(speech.calls.empty());

    voice.pupilActed();
    const frontend::VoiceSwitch on = voice.toggle();
    EXPECT_EQ(on.words, engine::kVoiceOnWords);
    EXPECT_FALSE(on.noVoice);
    // The sentences of one action follow the switch's own sentence.
    voice.say("Шаг 1, ответ 12, верно.");
    voice.focusMoved(frontend::mainWindowLayout(), "t2");
    // A new action cuts off what is left, once; an action that says nothing
    // (a digit typed) cuts nothing.
    voice.pupilActed();
    voice.say("Пример 1 из 21.");
    voice.say("Фокус на кнопке Да шага 1.");
    voice.pupilActed();
    voice.pupilActed();
    voice.pupilActed();
    const frontend::VoiceSwitch off = voice.toggle();
    EXPECT_EQ(off.words, engine::kVoiceOffWords);
    voice.say("Шаг 2, ответ 4, ошибка.");
    EXPECT_FALSE(voice.isOn());
    EXPECT_EQ(
        speech.calls,
        (Calls{"stop", std::string("say: ") + engine::kVoiceOnWords, "say: Шаг 1, ответ 12, верно.",
               "say: Шаг 2, дополнительный множитель к первой дроби, поле ответа.", "stop",
               "say: Пример 1 из 21.", "say: Фокус на кнопке Да шага 1.", "stop",
               std::string("say: ") + engine::kVoiceOffWords}));
}

TEST(Voice, WithoutARussianVoiceNothingChangesAndNothingIsSpoken) {
    RecordingSpeech speech;
    speech.russian = false;
    frontend::Voice voice(speech);
    const frontend::VoiceSwitch none = voice.toggle();
    EXPECT_TRUE(none.noVoice);
    EXPECT_EQ(none.words, engine::kNoVoiceWords);
    EXPECT_FALSE(voice.isOn());
    voice.say("Пример 1 из 21.");
    EXPECT_TRUE(speech.calls.empty());
    // A voice installed later is found at the next press.
    speech.russian = true;
    EXPECT_FALSE(voice.toggle().noVoice);
    EXPECT_TRUE(voice.isOn());
}

TEST(Voice, FocusWordsNameTheStepAndWhatTheControlIs) {
    const auto& main = frontend::mainWindowLayout();
    EXPECT_EQ(frontend::focusWords(main, "t7"), "Шаг 7, знаменатель результата, поле ответа.");
    EXPECT_EQ(frontend::focusWords(main, "Command4"), "Шаг 4, кнопка Да.");
    EXPECT_EQ(frontend::focusWords(main, "Option2"), "Шаг 8, сократимость дроби, ответ Нет.");
    EXPECT_EQ(frontend::focusWords(main, "Command9"), "Ещё пример, кнопка.");
    EXPECT_EQ(frontend::focusWords(frontend::resultsWindowLayout(), ""), "Окно Результат.");
}

TEST(Voice, FocusComingToAnotherWindowSaysTheWindowFirstAndAFocusThatStaysNothing) {
    RecordingSpeech speech;
    frontend::Voice voice(speech);
    const auto& main = frontend::mainWindowLayout();
    const auto& results = frontend::resultsWindowLayout();
    voice.focusCame(&main, "t1"); // heard while off: not said again once on
    voice.toggle();
    speech.calls.clear();
    voice.focusCame(&main, "t1");
    voice.focusCame(&results, "");
    voice.focusCame(&results, "");
    voice.focusCame(&main, "Command2");
    EXPECT_EQ(speech.calls,
              (Calls{"say: Окно Результат.", "say: Окно " + std::string(main.caption) + ".",
                     "say: Шаг 2, кнопка Да."}));
}

} // namespace
