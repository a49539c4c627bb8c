#include "frontend/ResultsWindowLayout.h"

#include <array>

#include "engine/Steps.h"

namespace frontend {
namespace {

constexpr const char* kStepErrors = "Ошибок на шаге %1: %2";

// Each value label follows its step label, so it lies on top where they meet.
// clang-format off
constexpr std::array<ControlLayout, 21> kControls = {{
    // name, kind, container, caption, left, top, width, height, tab, font, fill, text, align, border, selected,
    // description, labelled by
    {"Label1", ControlKind::Label, nullptr, "Решено примеров:", 960, 240, 3135, 375, 0, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x0000C0, Align::Right, false, false},
    {"Label2", ControlKind::Label, nullptr, "", 4200, 240, 975, 375, 1, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x0000C0, Align::Left, false, false, {"Сколько примеров решено"}, "Label1"},
    {"Label3", ControlKind::Label, nullptr, "Допущено ошибок:", 840, 720, 3255, 375, 2, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x0000C0, Align::Right, false, false},
    {"Label4", ControlKind::Label, nullptr, "", 4200, 720, 975, 375, 3, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0xFF0000, Align::Left, false, false, {"Сколько ошибок допущено всего"}, "Label3"},
    {"Label5", ControlKind::Label, nullptr, "Из них:", 1560, 1320, 975, 375, 4, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x0000C0, Align::Right, false, false},
    {"Label6", ControlKind::Label, nullptr, engine::step(1).resultsCaption, 720, 1800, 4575, 375, 5, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label14", ControlKind::Label, nullptr, "", 5280, 1800, 855, 375, 13, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 1}, "Label6"},
    {"Label7", ControlKind::Label, nullptr, engine::step(2).resultsCaption, 720, 2280, 4575, 375, 6, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label15", ControlKind::Label, nullptr, "", 5280, 2280, 855, 375, 14, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 2}, "Label7"},
    {"Label8", ControlKind::Label, nullptr, engine::step(3).resultsCaption, 720, 2760, 4695, 375, 7, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label16", ControlKind::Label, nullptr, "", 5280, 2760, 855, 375, 15, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 3}, "Label8"},
    {"Label9", ControlKind::Label, nullptr, engine::step(4).resultsCaption, 720, 3240, 4575, 375, 8, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label17", ControlKind::Label, nullptr, "", 5280, 3240, 855, 375, 16, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 4}, "Label9"},
    {"Label10", ControlKind::Label, nullptr, engine::step(5).resultsCaption, 720, 3720, 4575, 375, 9, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label18", ControlKind::Label, nullptr, "", 5280, 3720, 855, 375, 17, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 5}, "Label10"},
    {"Label11", ControlKind::Label, nullptr, engine::step(6).resultsCaption, 720, 4200, 4575, 375, 10, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label19", ControlKind::Label, nullptr, "", 5280, 4200, 855, 375, 18, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 6}, "Label11"},
    {"Label12", ControlKind::Label, nullptr, engine::step(7).resultsCaption, 720, 4680, 4575, 375, 11, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label20", ControlKind::Label, nullptr, "", 5280, 4680, 855, 375, 19, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 7}, "Label12"},
    {"Label13", ControlKind::Label, nullptr, engine::step(8).resultsCaption, 720, 5160, 4575, 375, 12, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Left, true, false},
    {"Label21", ControlKind::Label, nullptr, "", 5280, 5160, 855, 375, 20, {FontFace::Arial, 11.25, true, false}, 0xC0FFFF, 0x000080, Align::Centre, false, false, {kStepErrors, 8}, "Label13"},
}};
// clang-format on

constexpr WindowLayout kWindow = {
    .name = "Form2",
    .caption = "Результат",
    .clientWidth = 6750, // 450 x 388 pixels
    .clientHeight = 5820,
    .screenLeft = 4305,
    .screenTop = 4515,
    .fixedBorder = true,
    .minimizeButton = false,
    .maximizeButton = false,
    .icon = "icon-results-32",
    .picture = nullptr,
    .fill = 0xC0FFFF,
    .drawingColour = 0x000000,
    .drawingFont = {FontFace::MsSansSerif, 9.75, true},
    .controls = kControls,
};

} // namespace

const WindowLayout& resultsWindowLayout() {
    return kWindow;
}

std::string labelName(engine::ResultLabel label) {
    return "Label" + std::to_string(static_cast<int>(label));
}

} // namespace frontend
