#pragma once

// The main window's controls as the engine needs them: captions, answer
// boxes, the option group, the start button, where the keyboard focus is, the
// screen reader's voice and the last-example message. Each face's main window
// implements this; the engine's tests record it.

#include <string>
#include <string_view>

namespace engine {

// The labels whose captions the engine sets: the example number and error
// count (8..11), the echo labels of steps 1..7 (12..18) and their verdicts
// (19..25).
// clang-format off
enum class MainLabel : int {
    Label8 = 8, Label9, Label10, Label11,
    Label12, Label13, Label14, Label15, Label16, Label17, Label18,
    Label19, Label20, Label21, Label22, Label23, Label24, Label25,
};
// clang-format on

// The echo label of step k. REQUIRES: 1 <= k <= 7.
constexpr MainLabel echoLabel(int k) {
    return static_cast<MainLabel>(11 + k);
}

// The verdict label of step k. REQUIRES: 1 <= k <= 7.
constexpr MainLabel verdictLabel(int k) {
    return static_cast<MainLabel>(18 + k);
}

class MainControls {
public:
    virtual ~MainControls() = default;

    virtual void setLabelCaption(MainLabel label, std::string_view text) = 0;
    virtual std::string labelCaption(MainLabel label) const = 0;

    // The text of the answer box of step k (t1..t7). REQUIRES: 1 <= k <= 7.
    virtual std::string answerText(int step) const = 0;
    virtual void setAnswerText(int step, std::string_view text) = 0;

    // Whether the "Нет" option of the reducibility question is selected.
    virtual bool isOption2Selected() const = 0;

    // Moves the start button to (left, top) twips, keeping its size. Out of
    // the client area it also leaves the Tab chain, and the focus, if it had
    // it, goes to the first control of the window's Tab chain.
    virtual void moveStartButton(int left, int top) = 0;

    // The layout's name of the control of this window that has the keyboard
    // focus ("t1", "Command3"), or "" for none.
    virtual std::string focusedControl() const = 0;

    // Says `words` to a pupil who listens with a screen reader, without
    // changing what is on screen or where the keyboard focus is.
    virtual void announce(std::string_view words) = 0;

    // Shows the last-example message box: modal, with kLastExampleMessage,
    // the title kMainCaption, the information icon and one OK button. It may
    // return before the pupil closes it (a page cannot wait), for the trainer
    // does nothing after it.
    virtual void showLastExampleMessage() = 0;
};

} // namespace engine
