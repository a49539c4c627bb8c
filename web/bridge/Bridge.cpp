// The only code that knows both the trainer and the page: the engine's four
// ports implemented by calls into the page (each an EM_JS import below, which
// reaches the page's object given to the module as `page`), and the few plain
// C functions through which the page passes the pupil's clicks and keys on.
// Only text and numbers cross: control names as the layout has them, UTF-8
// words, pixels. What comes back to the page says where the focus goes.
//
// Plain exported functions and EM_JS imports, not embind: embind 3.1.6 has
// no std::string_view, and page objects implementing C++ classes would have
// to be deleted by hand.
#include <emscripten.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ClockRandom.h"
#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "frontend/Commands.h"
#include "frontend/Fonts.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

// clang-format off
EM_JS(void, page_setCaption, (const char* control, const char* text), {
    Module.page.setCaption(UTF8ToString(control), UTF8ToString(text));
});
EM_JS(char*, page_caption, (const char* control), {
    return allocateUTF8(Module.page.caption(UTF8ToString(control)));
});
EM_JS(char*, page_text, (const char* control), {
    return allocateUTF8(Module.page.text(UTF8ToString(control)));
});
EM_JS(void, page_setText, (const char* control, const char* text), {
    Module.page.setText(UTF8ToString(control), UTF8ToString(text));
});
EM_JS(int, page_isChecked, (const char* control), {
    return Module.page.isChecked(UTF8ToString(control)) ? 1 : 0;
});
EM_JS(void, page_move, (const char* control, int left, int top, int inView, const char* heir), {
    Module.page.move(UTF8ToString(control), left, top, inView !== 0, UTF8ToString(heir));
});
EM_JS(char*, page_focused, (), {
    return allocateUTF8(Module.page.focused());
});
EM_JS(void, page_announce, (const char* words), {
    Module.page.announce(UTF8ToString(words));
});
EM_JS(void, page_showMessage, (const char* title, const char* text), {
    Module.page.showMessage(UTF8ToString(title), UTF8ToString(text));
});
EM_JS(void, drawing_point, (int x, int y), { Module.page.drawing.point(x, y); });
EM_JS(void, drawing_print, (int x, int y, int size, const char* text), {
    Module.page.drawing.print(x, y, size, UTF8ToString(text));
});
EM_JS(void, drawing_line, (int x1, int y1, int x2, int y2), {
    Module.page.drawing.line(x1, y1, x2, y2);
});
EM_JS(void, drawing_describe, (const char* words), {
    Module.page.drawing.describe(UTF8ToString(words));
});
EM_JS(void, drawing_clear, (), { Module.page.drawing.clear(); });
EM_JS(void, results_open, (), { Module.page.results.open(); });
EM_JS(void, results_setValue, (const char* control, const char* text), {
    Module.page.results.setValue(UTF8ToString(control), UTF8ToString(text));
});
EM_JS(void, results_announce, (const char* words), {
    Module.page.results.announce(UTF8ToString(words));
});
EM_JS(void, results_close, (), { Module.page.results.close(); });
// clang-format on

namespace {

using frontend::twipsToPixels;

// A string the page made for us with malloc, taken over and freed.
std::string take(char* text) {
    std::string copy = text ? text : "";
    std::free(text);
    return copy;
}

std::string labelName(engine::MainLabel label) {
    return "Label" + std::to_string(static_cast<int>(label));
}

class PageControls final : public engine::MainControls {
public:
    void setLabelCaption(engine::MainLabel label, std::string_view text) override {
        page_setCaption(labelName(label).c_str(), std::string(text).c_str());
    }
    std::string labelCaption(engine::MainLabel label) const override {
        return take(page_caption(labelName(label).c_str()));
    }
    std::string answerText(int step) const override {
        return take(page_text(engine::step(step).controls.answerBox));
    }
    void setAnswerText(int step, std::string_view text) override {
        page_setText(engine::step(step).controls.answerBox, std::string(text).c_str());
    }
    bool isOption2Selected() const override { return page_isChecked("Option2") != 0; }
    void moveStartButton(int left, int top) override {
        const auto& layout = frontend::mainWindowLayout();
        const bool inView =
            frontend::liesInView(layout, *frontend::findControl(layout, "cmd1"), left, top);
        page_move("cmd1", twipsToPixels(left), twipsToPixels(top), inView ? 1 : 0,
                  frontend::firstFocus(layout));
    }
    std::string focusedControl() const override { return take(page_focused()); }
    void announce(std::string_view words) override {
        page_announce(std::string(words).c_str());
    }
    void showLastExampleMessage() override {
        page_showMessage(engine::kMainCaption, engine::kLastExampleMessage);
    }
};

// Twips and points become the page's pixels here, as the desktop rounds them.
class PageDrawing final : public engine::DrawingSurface {
public:
    void setFontSize(double points) override { points_ = points; }
    void plotPoint(int x, int y) override {
        x_ = x;
        y_ = y;
        drawing_point(twipsToPixels(x), twipsToPixels(y));
    }
    void printText(std::string_view text) override {
        const auto& font = frontend::mainWindowLayout().drawingFont;
        drawing_print(twipsToPixels(x_), twipsToPixels(y_),
                      frontend::pixelSize(font.face, points_, font.bold),
                      std::string(text).c_str());
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        drawing_line(twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2));
    }
    void describe(std::string_view words) override {
        drawing_describe(std::string(words).c_str());
    }
    void clear() override {
        x_ = 0;
        y_ = 0;
        drawing_clear();
    }

private:
    double points_ = frontend::mainWindowLayout().drawingFont.points;
    int x_ = 0;
    int y_ = 0;
};

class PageResults final : public engine::ResultsView {
public:
    void open() override { results_open(); }
    void setValue(engine::ResultLabel label, std::string_view text) override {
        const std::string name = "Label" + std::to_string(static_cast<int>(label));
        results_setValue(name.c_str(), std::string(text).c_str());
    }
    void announce(std::string_view words) override {
        results_announce(std::string(words).c_str());
    }
    void close() override { results_close(); }
};

} // namespace

// One pupil's work on the page: the trainer with the page's ports.
struct Session {
    PageControls controls;
    PageDrawing drawing;
    PageResults results;
    engine::ClockRandom random;
    engine::Trainer trainer{controls, drawing, results, random};
    std::string reply; // the last answer handed to the page
};

namespace {

// What the page does once a request has been carried out: "" nothing,
// "focus:NAME" focus that control of the main window, "focus:results" the
// results window, "focus:main" back to where it was in the main window,
// "exit" end the work.
std::string carryOut(Session& session, const frontend::Request& request, bool byKey) {
    if (request.command == frontend::Command::Exit)
        return "exit";
    frontend::perform(session.trainer, request);
    const frontend::FocusMove move = frontend::focusAfter(request, byKey);
    switch (move.kind) {
    case frontend::FocusMove::ToControl:
        return std::string("focus:") + move.control;
    case frontend::FocusMove::ToResults:
        return "focus:results";
    case frontend::FocusMove::BackToMain:
        return "focus:main";
    case frontend::FocusMove::Stays:
        break;
    }
    return "";
}

std::optional<frontend::Key> keyNamed(std::string_view name) {
    if (name == "Escape" || name == "Esc")
        return frontend::Key::Escape;
    if (name == "Enter")
        return frontend::Key::Enter;
    if (name == "F2")
        return frontend::Key::F2;
    return std::nullopt;
}

// The answer a C function hands the page: valid until the next call.
const char* answer(Session& session, std::string text) {
    session.reply = std::move(text);
    return session.reply.c_str();
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
EMSCRIPTEN_KEEPALIVE const char* trainer_click(Session* session, const char* button) {
    const auto request = frontend::requestForClick(button);
    return answer(*session, request ? carryOut(*session, *request, false) : "");
}

// A key `key` (as the browser names it) pressed in `window` with `focused`
// holding the focus; "unhandled" where the key is not the program's there.
EMSCRIPTEN_KEEPALIVE const char* trainer_key(Session* session, const char* window,
                                             const char* key, const char* focused) {
    const auto named = keyNamed(key);
    const auto request = named ? frontend::requestForKey(window, *named, focused) : std::nullopt;
    return answer(*session, request ? carryOut(*session, *request, true) : "unhandled");
}

// The results window's close box.
EMSCRIPTEN_KEEPALIVE const char* trainer_closeResults(Session* session) {
    return answer(*session, carryOut(*session, {frontend::Command::CloseResults}, false));
}

} // extern "C"
