// The only code that knows both the trainer and the page: the engine's four
// ports implemented by calls into the page (each a function the module imports
// from the page), and the few plain C functions through which the page passes
// the pupil's clicks and keys on.
// Only text and numbers cross: control names as the layout has them, UTF-8
// words, pixels. What comes back to the page says where the focus goes.
//
// Plain exported and imported C functions, not embind: embind 3.1.6 has no
// std::string_view, and page objects implementing C++ classes would have to
// be deleted by hand. The module is built standalone, without emscripten's
// loader: the page's own few lines start it (web/src/bridge.ts), so that the
// page carries less than half the script it would otherwise.
#include <emscripten.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/ClockRandom.h"
#include "engine/Narration.h"
#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "frontend/Commands.h"
#include "frontend/Drawing.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"
#include "frontend/Voice.h"

// The page's side of the ports: functions the page hands the module when it
// starts it, in four groups named as the page's objects are. These and the
// exports below are listed in module-interface.json, and the page is made only
// where the module agrees with the list.
#define FROM_PAGE(group, name) __attribute__((import_module(group), import_name(name)))
extern "C" {
FROM_PAGE("page", "setCaption") void page_setCaption(const char* control, const char* text);
// A string the page makes with the module's malloc; the caller frees it.
FROM_PAGE("page", "caption") char* page_caption(const char* control);
FROM_PAGE("page", "text") char* page_text(const char* control);
FROM_PAGE("page", "setText") void page_setText(const char* control, const char* text);
FROM_PAGE("page", "isChecked") int page_isChecked(const char* control);
FROM_PAGE("page", "move")
void page_move(const char* control, int left, int top, int inView, const char* heir);
FROM_PAGE("page", "focused") char* page_focused();
FROM_PAGE("page", "announce") void page_announce(const char* words);
FROM_PAGE("page", "showMessage") void page_showMessage(const char* title, const char* text);
// F3 or the voice's button: `words` for a screen reader, the switch's state,
// and whether there is no Russian voice (the page then shows `words`).
FROM_PAGE("page", "voiceSwitched") void page_voiceSwitched(const char* words, int on, int noVoice);
FROM_PAGE("drawing", "point") void drawing_point(int x, int y);
FROM_PAGE("drawing", "print") void drawing_print(int x, int y, int size, const char* text);
FROM_PAGE("drawing", "line") void drawing_line(int x1, int y1, int x2, int y2);
FROM_PAGE("drawing", "describe") void drawing_describe(const char* words);
FROM_PAGE("drawing", "clear") void drawing_clear();
FROM_PAGE("results", "open") void results_open();
FROM_PAGE("results", "setValue") void results_setValue(const char* control, const char* text);
FROM_PAGE("results", "announce") void results_announce(const char* words);
FROM_PAGE("results", "close") void results_close();
FROM_PAGE("speech", "hasRussianVoice") int speech_hasRussianVoice();
FROM_PAGE("speech", "speak") void speech_speak(const char* words, double pace);
FROM_PAGE("speech", "stop") void speech_stop();
} // extern "C"

namespace {

// A string the page made for us with malloc, taken over and freed.
std::string take(char* text) {
    std::string copy = text ? text : "";
    std::free(text);
    return copy;
}

// The browser's speech, for the program's own voice.
class PageSpeech final : public frontend::SpeechOutput {
public:
    bool hasRussianVoice() override { return speech_hasRussianVoice() != 0; }
    void speak(std::string_view words) override {
        speech_speak(std::string(words).c_str(), frontend::kSpeechPace);
    }
    void stop() override { speech_stop(); }
};

// Every sentence a screen reader is told is said aloud by the voice too,
// where the pupil has turned it on.
class PageControls final : public engine::MainControls {
public:
    explicit PageControls(frontend::Voice& voice) : voice_(voice) {}

    void setLabelCaption(engine::MainLabel label, std::string_view text) override {
        page_setCaption(frontend::labelName(label).c_str(), std::string(text).c_str());
    }
    std::string labelCaption(engine::MainLabel label) const override {
        return take(page_caption(frontend::labelName(label).c_str()));
    }
    std::string answerText(int step) const override {
        return take(page_text(engine::step(step).controls.answerBox));
    }
    void setAnswerText(int step, std::string_view text) override {
        page_setText(engine::step(step).controls.answerBox, std::string(text).c_str());
    }
    bool isOption2Selected() const override { return page_isChecked("Option2") != 0; }
    void moveStartButton(int left, int top) override {
        const frontend::StartButtonPlace place = frontend::startButtonPlace(left, top);
        page_move("cmd1", place.left, place.top, place.inView ? 1 : 0, place.heir);
    }
    std::string focusedControl() const override { return take(page_focused()); }
    void announce(std::string_view words) override {
        page_announce(std::string(words).c_str());
        voice_.say(words);
    }
    void showLastExampleMessage() override {
        // A screen reader reads the message as it opens; the voice is told it.
        voice_.say(engine::kLastExampleMessage);
        page_showMessage(engine::kMainCaption, engine::kLastExampleMessage);
    }

private:
    frontend::Voice& voice_;
};

// The drawing, in the pixels every face paints it in.
class PagePainter final : public frontend::DrawingPainter {
public:
    void drawn(frontend::DrawnItem item) override {
        using Kind = frontend::DrawnItem::Kind;
        switch (item.kind) {
        case Kind::Point:
            drawing_point(item.x1, item.y1);
            break;
        case Kind::Text:
            drawing_print(item.x1, item.y1, item.pixelSize, item.text.c_str());
            break;
        case Kind::Line:
            drawing_line(item.x1, item.y1, item.x2, item.y2);
            break;
        }
    }
    void cleared() override { drawing_clear(); }
    void described(std::string_view words) override {
        drawing_describe(std::string(words).c_str());
    }
};

// The results window says its summary once it is in front; so does the
// voice, after the window's name.
class PageResults final : public engine::ResultsView {
public:
    void open() override {
        aloud_.clear();
        results_open();
    }
    void setValue(engine::ResultLabel label, std::string_view text) override {
        results_setValue(frontend::labelName(label).c_str(), std::string(text).c_str());
    }
    void announce(std::string_view words) override {
        results_announce(std::string(words).c_str());
        aloud_ = words;
    }
    void close() override { results_close(); }

    // The summary not yet said aloud, handed over once.
    std::string takeAloud() { return std::exchange(aloud_, std::string()); }

private:
    std::string aloud_;
};

} // namespace

// One pupil's work on the page: the trainer with the page's ports.
struct Session {
    PageSpeech speech;
    frontend::Voice voice{speech};
    PageControls controls{voice};
    PagePainter painter;
    frontend::PixelDrawing drawing{frontend::mainWindowLayout(), painter};
    PageResults results;
    engine::ClockRandom random;
    engine::Trainer trainer{controls, drawing, results, random};
    const char* replyControl = ""; // of the last reply, for the page to focus
};

namespace {

// What the page does once a request has been carried out, as a number: the
// kind of frontend::Outcome, which web/src/bridge.ts names in this order, and
// the control to focus, if any, handed over by trainer_replyControl. The
// voice's switch and its last words are the module's own.
using Kind = frontend::Outcome::Kind;
static_assert(static_cast<int>(Kind::End) == 5, "web/src/bridge.ts names the kinds in order");
// A key that is not the program's: the browser does what it does with it.
constexpr int kUnhandled = -1;

int carryOut(Session& session, const frontend::Request& request, bool byKey) {
    const frontend::Outcome next = frontend::carryOut(session.trainer, request, byKey);
    if (next.kind == Kind::End) {
        // The browser goes on saying it after the trainer is gone.
        session.voice.say(engine::kWorkEndedWords);
    } else if (next.kind == Kind::ToggleVoice) {
        const frontend::VoiceSwitch s = session.voice.toggle();
        page_voiceSwitched(s.words.c_str(), session.voice.isOn() ? 1 : 0, s.noVoice ? 1 : 0);
    }
    session.replyControl = next.control ? next.control : "";
    return static_cast<int>(next.kind);
}

std::optional<frontend::Key> keyNamed(std::string_view name) {
    if (name == "Escape" || name == "Esc")
        return frontend::Key::Escape;
    if (name == "Enter")
        return frontend::Key::Enter;
    if (name == "F2")
        return frontend::Key::F2;
    if (name == "F3")
        return frontend::Key::F3;
    return std::nullopt;
}

} // namespace

extern "C" {

// Starts a pupil's work: the trainer tells the drawing that nothing is drawn.
EMSCRIPTEN_KEEPALIVE Session* trainer_new() {
    return new Session;
}

// Ends it: every answer, count and order is gone.
EMSCRIPTEN_KEEPALIVE void trainer_delete(Session* session) {
    delete session;
}

// A click on the main window's push button `button`.
EMSCRIPTEN_KEEPALIVE int trainer_click(Session* session, const char* button) {
    const auto request = frontend::requestForClick(button);
    return request ? carryOut(*session, *request, false) : static_cast<int>(Kind::Stay);
}

// A key `key` (as the browser names it) pressed in `window` with `focused`
// holding the focus.
EMSCRIPTEN_KEEPALIVE int trainer_key(Session* session, const char* window, const char* key,
                                     const char* focused) {
    const auto named = keyNamed(key);
    const auto request = named ? frontend::requestForKey(window, *named, focused) : std::nullopt;
    return request ? carryOut(*session, *request, true) : kUnhandled;
}

// The results window's close box.
EMSCRIPTEN_KEEPALIVE int trainer_closeResults(Session* session) {
    return carryOut(*session, {frontend::Command::CloseResults}, false);
}

// The control the last reply asks the page to focus ("" for none).
EMSCRIPTEN_KEEPALIVE const char* trainer_replyControl(Session* session) {
    return session->replyControl;
}

// The voice's own button beside the main window: as F3.
EMSCRIPTEN_KEEPALIVE void trainer_toggleVoice(Session* session) {
    carryOut(*session, {frontend::Command::ToggleVoice}, false);
}

// The pupil pressed a key, clicked or touched, before the page acts on it.
EMSCRIPTEN_KEEPALIVE void trainer_pupilActed(Session* session) {
    session->voice.pupilActed();
}

// The focus came to `control` of `window` ("" for none of its controls).
EMSCRIPTEN_KEEPALIVE void trainer_focusCame(Session* session, const char* window,
                                            const char* control) {
    const frontend::WindowLayout& results = frontend::resultsWindowLayout();
    const bool inResults = std::string_view(window) == results.name;
    session->voice.focusCame(inResults ? &results : &frontend::mainWindowLayout(), control);
    if (inResults)
        session->voice.say(session->results.takeAloud());
}

} // extern "C"
