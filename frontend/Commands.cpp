#include "frontend/Commands.h"

#include "engine/Steps.h"

namespace frontend {
namespace {

// The step whose control `name` is, by the member of StepControls given.
int stepOf(std::string_view name, const char* engine::StepControls::*which) {
    for (int k = 1; k <= engine::kTypedSteps; ++k) {
        if (name == engine::step(k).controls.*which)
            return k;
    }
    return 0;
}

} // namespace

std::optional<Request> requestForKey(std::string_view window, Key key, std::string_view focused) {
    for (const KeyBinding& b : kKeyMap) {
        if (window != b.window || key != b.key)
            continue;
        if (b.scope == Scope::Window)
            return Request{b.command};
        if (const int k = stepOf(focused, &engine::StepControls::answerBox))
            return Request{b.command, k};
    }
    return std::nullopt;
}

std::optional<Request> requestForClick(std::string_view button) {
    if (const int k = stepOf(button, &engine::StepControls::confirmButton))
        return Request{Command::Confirm, k};
    constexpr std::pair<std::string_view, Command> kButtons[] = {
        {"cmd1", Command::Start},
        {"Command9", Command::Next},
        {"Command10", Command::Results},
        {"Command8", Command::Exit},
    };
    for (const auto& [name, command] : kButtons) {
        if (button == name)
            return Request{command};
    }
    return std::nullopt;
}

Outcome carryOut(engine::Trainer& trainer, const Request& request, bool byKey) {
    using Kind = Outcome::Kind;
    switch (request.command) {
    case Command::Start:
        trainer.pressStart();
        break;
    case Command::Confirm:
        trainer.pressConfirm(request.step);
        if (byKey)
            return {Kind::FocusControl, request.step < engine::kTypedSteps
                                            ? engine::step(request.step + 1).controls.answerBox
                                            : "Command9"};
        break;
    case Command::Next:
        trainer.pressNext();
        break;
    case Command::Results:
        trainer.pressResults();
        return {Kind::FocusResults};
    case Command::RepeatExample:
        trainer.repeatExample();
        break;
    case Command::CloseResults:
        trainer.closeResults();
        return {Kind::BackToMain};
    case Command::Exit:
        return {Kind::End};
    case Command::ToggleVoice:
        return {Kind::ToggleVoice};
    }
    return {};
}

} // namespace frontend
