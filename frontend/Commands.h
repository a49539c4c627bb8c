#pragma once

// What the pupil asks of the program by a key or a click, said once for every
// face: which key does what in which window, which button runs which of the
// trainer's handlers, and what the face does afterwards. A face
// passes its keys and clicks here by the layout's names and carries out what
// comes back; it decides nothing itself.

#include <optional>
#include <string_view>

#include "engine/Trainer.h"

namespace frontend {

enum class Command {
    Start,         // "Начало"
    Confirm,       // "Да" of a step
    Next,          // "Ещё пример"
    Results,       // "Результат"
    Exit,          // "Выход": the face ends the work
    RepeatExample, // the example and its worked solution said again
    CloseResults,  // the results window closed
    ToggleVoice,   // the program's own voice on or off: the face's, like Exit
};

struct Request {
    Command command;
    int step = 0; // 1..7 for Confirm
    friend bool operator==(const Request&, const Request&) = default;
};

// The keys the program gives a meaning of its own. Every other key does what
// the focused control does with it: Tab and Shift+Tab move in the Tab chain,
// Space presses a button or chooses an option, the arrows move between the
// options of step 8.
enum class Key { Escape, Enter, F2, F3 };

// Where a key counts: anywhere in its window, or in an answer box only.
enum class Scope { Window, AnswerBox };

struct KeyBinding {
    const char* window; // the layout's name of the window
    Key key;
    Scope scope;
    Command command;
};

// clang-format off
inline constexpr KeyBinding kKeyMap[] = {
    // "Начало" is the main window's cancel button: Esc presses it wherever
    // the focus is, also once it has left the view.
    {"Form1", Key::Escape, Scope::Window, Command::Start},
    {"Form1", Key::F2, Scope::Window, Command::RepeatExample},
    // Enter in a box confirms that box's step, as its "Да" does.
    {"Form1", Key::Enter, Scope::AnswerBox, Command::Confirm},
    {"Form2", Key::Escape, Scope::Window, Command::CloseResults},
    // The program's own voice, in both windows alike.
    {"Form1", Key::F3, Scope::Window, Command::ToggleVoice},
    {"Form2", Key::F3, Scope::Window, Command::ToggleVoice},
};
// clang-format on

// What `key` asks in `window` while the control `focused` (its layout name;
// "" for none) has the focus; nothing where the key is not the program's.
std::optional<Request> requestForKey(std::string_view window, Key key, std::string_view focused);

// What a click on the main window's push button `button` asks.
std::optional<Request> requestForClick(std::string_view button);

// What a face does once a request has been taken: the trainer's part is
// done; what is left is the face's own, on its screen.
struct Outcome {
    enum class Kind {
        Stay,         // nothing: the focus stays where it is
        FocusControl, // the focus to `control` of the main window
        FocusResults, // into the results window, which comes to the front
        BackToMain,   // back to the control of the main window that had it last
        ToggleVoice,  // the program's own voice on or off (Voice::toggle)
        End,          // "Выход": the work ends
    } kind = Kind::Stay;
    const char* control = nullptr;
    // By the control's name: the same name may stand at two addresses.
    friend bool operator==(const Outcome& a, const Outcome& b) {
        return a.kind == b.kind &&
               std::string_view(a.control ? a.control : "") == (b.control ? b.control : "");
    }
};

// Carries out `request` on the trainer and says what the face does next.
// Enter in box k moves on to box k + 1, from box 7 to "Ещё пример", so that
// the pupil works down the steps by keyboard; a click or Space on a button
// leaves the focus on it.
Outcome carryOut(engine::Trainer& trainer, const Request& request, bool byKey);

} // namespace frontend
