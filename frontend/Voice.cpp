#include "frontend/Voice.h"

#include "engine/Narration.h"
#include "engine/Steps.h"
#include "frontend/Layout.h"

namespace frontend {

Voice::Voice(SpeechOutput& speech) : speech_(speech) {}

VoiceSwitch Voice::toggle() {
    if (on_) {
        speech_.stop();
        speech_.speak(engine::kVoiceOffWords);
        on_ = false;
        return {engine::kVoiceOffWords, false};
    }
    if (!speech_.hasRussianVoice())
        return {engine::kNoVoiceWords, true};
    on_ = true;
    speech_.stop();
    speech_.speak(engine::kVoiceOnWords);
    cutOff_ = false;
    return {engine::kVoiceOnWords, false};
}

void Voice::pupilActed() {
    cutOff_ = true;
}

void Voice::say(std::string_view words) {
    if (!on_ || words.empty())
        return;
    if (cutOff_)
        speech_.stop();
    cutOff_ = false;
    speech_.speak(words);
}

void Voice::focusMoved(const WindowLayout& window, std::string_view control) {
    if (on_)
        say(focusWords(window, control));
}

void Voice::focusCame(const WindowLayout* window, std::string_view control) {
    const bool anotherWindow = window != focusWindow_;
    if (!anotherWindow && control == focusControl_)
        return;
    focusWindow_ = window;
    focusControl_ = control;
    if (!window)
        return;
    if (anotherWindow)
        focusMoved(*window, "");
    if (!control.empty())
        focusMoved(*window, control);
}

std::string focusWords(const WindowLayout& window, std::string_view control) {
    if (control.empty())
        return std::string("Окно ") + window.caption + ".";
    for (const engine::Step& s : engine::kStepTable) {
        const std::string step = "Шаг " + std::to_string(s.number) + ", ";
        if (s.controls.answerBox && control == s.controls.answerBox)
            return step + s.spokenName + ", поле ответа.";
        if (s.controls.confirmButton && control == s.controls.confirmButton)
            return step + "кнопка Да.";
    }
    const ControlLayout* c = findControl(window, control);
    if (!c)
        return "";
    switch (c->kind) {
    case ControlKind::OptionButton:
        return "Шаг " + std::to_string(engine::kSteps) + ", " +
               engine::step(engine::kSteps).spokenName + ", ответ " + c->caption + ".";
    case ControlKind::PushButton:
        return std::string(c->caption) + ", кнопка.";
    default:
        return c->caption;
    }
}

} // namespace frontend
