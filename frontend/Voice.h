#pragma once

// The program's own voice, for a pupil who hears the trainer without a screen
// reader: off at every start, turned on and off by F3, it says aloud the very
// sentences a screen reader is given, and where the focus has come to. Each
// face gives it the system's speech (SpeechOutput) and passes it the pupil's
// actions, the sentences and the focus moves; what is said when, and what is
// cut off, is decided here once for every face.

#include <string>
#include <string_view>

#include "frontend/LayoutTypes.h"

namespace frontend {

// The system's speech as the voice uses it: the face's one piece per system.
class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;

    // Whether a Russian voice can speak now. Asked at each F3; a browser may
    // learn its voices late, so the answer may change.
    virtual bool hasRussianVoice() = 0;

    // Says `words` after whatever is still being said; returns at once.
    virtual void speak(std::string_view words) = 0;

    // Falls silent at once and drops whatever was waiting to be said.
    virtual void stop() = 0;
};

// The pace the voice speaks at, as a share of the system's ordinary pace:
// a little slower, for a pupil who listens to numbers.
inline constexpr double kSpeechPace = 0.9;

// What F3 did, for the face to show and to tell a screen reader.
struct VoiceSwitch {
    std::string words; // the sentence to tell the pupil
    bool noVoice;      // no Russian voice: the face shows `words` on screen
};

class Voice {
public:
    // `speech` must outlive the voice. The voice starts off.
    explicit Voice(SpeechOutput& speech);
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    bool isOn() const { return on_; }

    // F3: turns the voice on, where a Russian voice exists, or off. Turning
    // it on or off is said aloud by the voice itself; with no Russian voice
    // nothing changes and nothing is spoken.
    VoiceSwitch toggle();

    // The pupil pressed a key, clicked or touched. The first sentence after
    // this cuts off what an earlier action left unsaid: a pupil who has moved
    // on does not wait for it. The sentences of one action follow each other.
    void pupilActed();

    // A sentence the program tells the pupil (the one a screen reader gets).
    void say(std::string_view words);

    // The focus came to `control` of `window` ("" for the window itself):
    // said as a screen reader says a focus move, where the voice is on.
    void focusMoved(const WindowLayout& window, std::string_view control);

    // The focus came to `control` of `window` ("" where no control of it
    // holds it), as a face learns of each focus change: said as above, the
    // window first where the focus came from another, nothing where it did
    // not move. A window of no layout (a message box, which says itself) is
    // nullptr: nothing is said, and the window the focus comes back to is
    // said again.
    void focusCame(const WindowLayout* window, std::string_view control);

private:
    SpeechOutput& speech_;
    bool on_ = false;
    bool cutOff_ = false; // the next sentence first silences the last action's
    const WindowLayout* focusWindow_ = nullptr; // where the focus was last
    std::string focusControl_;
};

// How the voice names the control `control` of `window` when the focus comes
// to it ("Шаг 2, дополнительный множитель к первой дроби, поле ответа."), or
// the window itself for "".
std::string focusWords(const WindowLayout& window, std::string_view control);

} // namespace frontend
