// Prints, as JSON, what the page is built from when the page is made: both
// windows' layouts in pixels as every face rounds them, each control's font
// size, description and place in the Tab chain, the controls of each step,
// and the words the page shows before and after the trainer runs. The page is
// drawn from this at build time, so that it shows its controls before any
// script runs and no table is written twice.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/ExerciseDrawing.h"
#include "engine/Narration.h"
#include "engine/StepChecks.h"
#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "frontend/ColumnFlow.h"
#include "frontend/Fonts.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string orNull(const char* text) {
    return text ? quoted(text) : "null";
}

std::string colour(std::uint32_t rgb) {
    if (rgb == frontend::kSystemColour)
        return "null";
    char hex[16];
    std::snprintf(hex, sizeof hex, "\"#%06X\"", rgb);
    return hex;
}

const char* kindName(frontend::ControlKind kind) {
    switch (kind) {
    case frontend::ControlKind::Label:
        return "label";
    case frontend::ControlKind::TextBox:
        return "textBox";
    case frontend::ControlKind::PushButton:
        return "pushButton";
    case frontend::ControlKind::Frame:
        return "frame";
    case frontend::ControlKind::OptionButton:
        return "optionButton";
    }
    return "";
}

const char* alignName(frontend::Align align) {
    switch (align) {
    case frontend::Align::Right:
        return "right";
    case frontend::Align::Centre:
        return "centre";
    case frontend::Align::Left:
        break;
    }
    return "left";
}

std::string font(const frontend::FontSpec& f) {
    return std::string("{\"face\":") +
           (f.face == frontend::FontFace::Arial ? "\"arial\"" : "\"msSansSerif\"") +
           ",\"px\":" + std::to_string(frontend::pixelSize(f.face, f.points, f.bold)) +
           ",\"bold\":" + (f.bold ? "true" : "false") +
           ",\"underline\":" + (f.underline ? "true" : "false") + "}";
}

const char* roleName(frontend::ControlRole role) {
    switch (role) {
    case frontend::ControlRole::Caption:
        return "caption";
    case frontend::ControlRole::Value:
        return "value";
    case frontend::ControlRole::Text:
        return "text";
    case frontend::ControlRole::Box:
        return "box";
    case frontend::ControlRole::Button:
        return "button";
    case frontend::ControlRole::Group:
        return "group";
    case frontend::ControlRole::Choice:
        return "choice";
    }
    return "";
}

template <typename List, typename Item> int positionIn(const List& list, const Item& item) {
    const auto at = std::find(list.begin(), list.end(), item);
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

// The drawing's area in pixels, as a face that shows only it crops it.
std::string area(const engine::SurfaceArea& a) {
    using frontend::twipsToPixels;
    return "{\"left\":" + std::to_string(twipsToPixels(a.left)) +
           ",\"top\":" + std::to_string(twipsToPixels(a.top)) +
           ",\"width\":" + std::to_string(twipsToPixels(a.width)) +
           ",\"height\":" + std::to_string(twipsToPixels(a.height)) + "}";
}

// `inColumn`: the window's controls also flow in one column on a small
// screen, with the example's drawing among them.
void printWindow(const frontend::WindowLayout& w, bool inColumn) {
    using frontend::twipsToPixels;
    const auto chain = frontend::tabChain(w);
    const auto order = frontend::readingOrder(w);
    const auto column = inColumn ? frontend::columnPlaces(w) : std::vector<frontend::ColumnPlace>{};
    const auto placeOf = [&column](const frontend::ControlLayout* c) {
        const auto at = std::find_if(column.begin(), column.end(),
                                     [c](const auto& place) { return place.control == c; });
        return at == column.end() ? frontend::ColumnPlace{c, 0, 0} : *at;
    };
    std::printf("{\"name\":%s,\"caption\":%s,\"width\":%d,\"height\":%d,\"left\":%d,\"top\":%d,"
                "\"icon\":%s,\"picture\":%s,\"fill\":%s,\"drawingColour\":%s,\"drawingFont\":%s,"
                "\"firstFocus\":%s,\"drawingRow\":%d,\"drawingArea\":%s,\"controls\":[",
                quoted(w.name).c_str(), quoted(w.caption).c_str(), twipsToPixels(w.clientWidth),
                twipsToPixels(w.clientHeight), twipsToPixels(w.screenLeft),
                twipsToPixels(w.screenTop), orNull(w.icon).c_str(), orNull(w.picture).c_str(),
                colour(w.fill).c_str(), colour(w.drawingColour).c_str(),
                font(w.drawingFont).c_str(), orNull(frontend::firstFocus(w)).c_str(),
                placeOf(nullptr).row, inColumn ? area(engine::kDrawingArea).c_str() : "null");
    const char* separator = "";
    for (const frontend::ControlLayout& c : w.controls) {
        const std::string description = frontend::describe(c.description);
        std::printf("%s{\"name\":%s,\"kind\":\"%s\",\"container\":%s,\"caption\":%s,"
                    "\"left\":%d,\"top\":%d,\"width\":%d,\"height\":%d,\"tab\":%d,\"font\":%s,"
                    "\"fill\":%s,\"text\":%s,\"align\":\"%s\",\"border\":%s,\"selected\":%s,"
                    "\"description\":%s,\"labelledBy\":%s,\"stack\":%d,\"step\":%d,"
                    "\"role\":\"%s\",\"order\":%d,\"row\":%d,\"column\":%d}",
                    separator, quoted(c.name).c_str(), kindName(c.kind),
                    orNull(c.container).c_str(), quoted(c.caption).c_str(),
                    twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                    twipsToPixels(c.height), positionIn(chain, &c), font(c.font).c_str(),
                    colour(c.fill).c_str(), colour(c.text).c_str(), alignName(c.align),
                    c.border ? "true" : "false", c.selected ? "true" : "false",
                    description.empty() ? "null" : quoted(description).c_str(),
                    orNull(c.labelledBy).c_str(), frontend::stackLevel(c), c.description.step,
                    roleName(frontend::roleOf(w, c)), positionIn(order, &c), placeOf(&c).row,
                    placeOf(&c).column);
        separator = ",";
    }
    std::printf("]}");
}

} // namespace

int main() {
    std::printf("{\"windows\":[");
    printWindow(frontend::mainWindowLayout(), true);
    std::printf(",");
    printWindow(frontend::resultsWindowLayout(), false);
    std::printf("],\"steps\":[");
    for (const engine::Step& s : engine::kStepTable) {
        const auto& c = s.controls;
        std::printf("%s{\"number\":%d,\"answerBox\":%s,\"confirmButton\":%s,\"echoLabel\":%s,"
                    "\"verdictLabel\":%s,\"resultsValue\":%s}",
                    s.number == 1 ? "" : ",", s.number, orNull(c.answerBox).c_str(),
                    orNull(c.confirmButton).c_str(), orNull(c.echoLabel).c_str(),
                    orNull(c.verdictLabel).c_str(), orNull(c.resultsValue).c_str());
    }
    std::printf("],\"words\":{\"needsScript\":%s,\"needsWebAssembly\":%s,\"workEnded\":%s,"
                "\"beginAgain\":%s,\"close\":%s,\"ok\":%s,\"shortName\":%s,\"drawingName\":%s,"
                "\"nothingDrawn\":%s,\"lastExample\":%s,\"voiceButton\":%s,\"description\":%s},",
                quoted(engine::kNeedsScriptWords).c_str(),
                quoted(engine::kNeedsWebAssemblyWords).c_str(),
                quoted(engine::kWorkEndedWords).c_str(), quoted(engine::kBeginAgainCaption).c_str(),
                quoted(engine::kCloseCaption).c_str(), quoted(engine::kOkCaption).c_str(),
                quoted(engine::kShortName).c_str(),
                quoted(engine::kDrawingName).c_str(), quoted(engine::kNothingDrawnWords).c_str(),
                quoted(engine::kLastExampleMessage).c_str(),
                quoted(engine::kVoiceButtonCaption).c_str(),
                quoted(engine::kPageDescription).c_str());
    // Everything else the trainer writes into a caption while it runs, and
    // the characters of the numbers it writes: what the page's fonts must
    // hold besides the captions above.
    std::printf("\"shownLater\":%s}\n",
                quoted(std::string(engine::kExampleNumberCaption) + engine::kErrorCountCaption +
                       engine::kVerdictRight + engine::kVerdictWrong + "0123456789.+-=E")
                    .c_str());
}
