#include "frontend/MainWindowLayout.h"

#include <array>

#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "frontend/Layout.h"

namespace frontend {
namespace {

// The descriptions of controls that a caption alone does not explain.
constexpr const char* kTypeAnswer = "Введите число и нажмите Enter";
constexpr const char* kConfirms = "Подтверждает ответ шага %1: %2";
constexpr const char* kEcho = "Принятый ответ шага %1: %2";
constexpr const char* kVerdict = "Оценка ответа шага %1: %2";
constexpr const char* kReduces = "Ответ шага %1: дробь сократима";
constexpr const char* kDoesNotReduce = "Ответ шага %1: дробь несократима";
constexpr const char* kSettles = "Засчитывает ответ шага %1 и показывает следующий пример";

// In table order; the builder raises boxes, buttons and the frame above the
// labels, and each verdict label comes after its echo label so that it lies on
// top where the two overlap.
// clang-format off
constexpr std::array<ControlLayout, 46> kControls = {{
    // name, kind, container, caption, left, top, width, height, tab, font, fill, text, align, border, selected,
    // description, labelled by
    {"cmd1", ControlKind::PushButton, nullptr, "Начало", 1200, 960, 1095, 375, 3, {FontFace::Arial, 11.25, true, false}, 0x00FFFF, kSystemColour, Align::Centre, false, false, {"Начинает работу и показывает первый пример (клавиша Esc)"}},
    {"Label8", ControlKind::Label, nullptr, "", 8400, 840, 1215, 375, 28, {FontFace::Arial, 12, false, true}, 0xC0FFFF, 0x0000C0, Align::Right, false, false},
    {"Label9", ControlKind::Label, nullptr, "", 9720, 840, 615, 375, 29, {FontFace::Arial, 12, false, true}, 0xC0FFFF, 0x0000C0, Align::Left, false, false, {"Номер примера на экране, из 21"}},
    {"Label10", ControlKind::Label, nullptr, "", 8280, 1320, 1335, 495, 30, {FontFace::Arial, 12, false, true}, 0xC0FFFF, 0x0000C0, Align::Right, false, false},
    {"Label11", ControlKind::Label, nullptr, "", 9720, 1320, 615, 495, 31, {FontFace::Arial, 12, false, true}, 0xC0FFFF, 0x0000C0, Align::Left, false, false, {"Сколько ошибок допущено с начала работы"}},
    {"Label1", ControlKind::Label, nullptr, engine::step(1).caption, 1320, 2160, 5295, 375, 0, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t1", ControlKind::TextBox, nullptr, "", 6600, 2160, 495, 435, 1, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label1"},
    {"Command1", ControlKind::PushButton, nullptr, "Да", 7200, 2280, 495, 255, 2, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 1}},
    {"Label12", ControlKind::Label, nullptr, "", 7800, 2280, 495, 255, 32, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 1}},
    {"Label19", ControlKind::Label, nullptr, "", 8160, 2280, 1455, 255, 39, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 1}},
    {"Label2", ControlKind::Label, nullptr, engine::step(2).caption, 1320, 2640, 5295, 375, 4, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t2", ControlKind::TextBox, nullptr, "", 6600, 2640, 495, 420, 5, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label2"},
    {"Command2", ControlKind::PushButton, nullptr, "Да", 7200, 2760, 495, 255, 6, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 2}},
    {"Label13", ControlKind::Label, nullptr, "", 7800, 2760, 495, 255, 33, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 2}},
    {"Label20", ControlKind::Label, nullptr, "", 8160, 2760, 1455, 255, 40, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 2}},
    {"Label3", ControlKind::Label, nullptr, engine::step(3).caption, 1320, 3120, 5295, 375, 7, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t3", ControlKind::TextBox, nullptr, "", 6600, 3120, 495, 435, 8, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label3"},
    {"Command3", ControlKind::PushButton, nullptr, "Да", 7200, 3240, 495, 255, 9, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 3}},
    {"Label14", ControlKind::Label, nullptr, "", 7800, 3240, 495, 255, 34, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 3}},
    {"Label21", ControlKind::Label, nullptr, "", 8160, 3240, 1455, 255, 41, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 3}},
    {"Label4", ControlKind::Label, nullptr, engine::step(4).caption, 1320, 3600, 5295, 375, 10, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t4", ControlKind::TextBox, nullptr, "", 6600, 3600, 495, 435, 14, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label4"},
    {"Command4", ControlKind::PushButton, nullptr, "Да", 7200, 3720, 495, 255, 18, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 4}},
    {"Label15", ControlKind::Label, nullptr, "", 7800, 3720, 495, 255, 35, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 4}},
    {"Label22", ControlKind::Label, nullptr, "", 8160, 3720, 1455, 255, 42, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 4}},
    {"Label5", ControlKind::Label, nullptr, engine::step(5).caption, 1320, 4080, 5295, 375, 11, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t5", ControlKind::TextBox, nullptr, "", 6600, 4080, 495, 435, 15, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label5"},
    {"Command5", ControlKind::PushButton, nullptr, "Да", 7200, 4200, 495, 255, 19, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 5}},
    {"Label16", ControlKind::Label, nullptr, "", 7800, 4200, 495, 255, 36, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 5}},
    {"Label23", ControlKind::Label, nullptr, "", 8160, 4200, 1455, 255, 43, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 5}},
    {"Label6", ControlKind::Label, nullptr, engine::step(6).caption, 1320, 4560, 5295, 375, 12, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t6", ControlKind::TextBox, nullptr, "", 6600, 4560, 495, 435, 16, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label6"},
    {"Command6", ControlKind::PushButton, nullptr, "Да", 7200, 4680, 495, 255, 20, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 6}},
    {"Label17", ControlKind::Label, nullptr, "", 7800, 4680, 495, 255, 37, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 6}},
    {"Label24", ControlKind::Label, nullptr, "", 8160, 4680, 1455, 255, 44, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 6}},
    {"Label7", ControlKind::Label, nullptr, engine::step(7).caption, 1320, 5040, 5295, 375, 13, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, true, false},
    {"t7", ControlKind::TextBox, nullptr, "", 6600, 5040, 495, 435, 17, {FontFace::MsSansSerif, 12, true, false}, kSystemColour, 0x0000C0, Align::Centre, false, false, {kTypeAnswer}, "Label7"},
    {"Command7", ControlKind::PushButton, nullptr, "Да", 7200, 5160, 495, 255, 21, {FontFace::Arial, 9, false, false}, 0xC0FFFF, kSystemColour, Align::Centre, false, false, {kConfirms, 7}},
    {"Label18", ControlKind::Label, nullptr, "", 7800, 5160, 495, 255, 38, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kEcho, 7}},
    {"Label25", ControlKind::Label, nullptr, "", 8160, 5160, 1095, 255, 45, {FontFace::Arial, 12, false, false}, 0xC0FFFF, 0x000080, Align::Left, false, false, {kVerdict, 7}},
    {"Frame1", ControlKind::Frame, nullptr, engine::step(8).caption, 1200, 5520, 5415, 735, 24, {FontFace::Arial, 12, true, false}, 0xC0FFFF, 0x0000C0, Align::Left, false, false},
    {"Option1", ControlKind::OptionButton, "Frame1", "Да", 3840, 240, 735, 375, 25, {FontFace::MsSansSerif, 9.75, false, false}, 0xC0FFFF, kSystemColour, Align::Left, false, true, {kReduces, 8}},
    {"Option2", ControlKind::OptionButton, "Frame1", "Нет", 4800, 240, 735, 375, 26, {FontFace::MsSansSerif, 9.75, false, false}, 0xC0FFFF, kSystemColour, Align::Left, false, false, {kDoesNotReduce, 8}},
    {"Command9", ControlKind::PushButton, nullptr, "Ещё пример", 960, 6360, 1935, 435, 22, {FontFace::Arial, 12, false, false}, 0x00FFFF, kSystemColour, Align::Centre, false, false, {kSettles, 8}},
    {"Command10", ControlKind::PushButton, nullptr, "Результат", 4080, 6360, 1935, 435, 23, {FontFace::Arial, 12, false, false}, 0x00FFFF, kSystemColour, Align::Centre, false, false, {"Открывает итоги: сколько примеров решено и сколько ошибок на каждом шаге"}},
    {"Command8", ControlKind::PushButton, nullptr, "Выход", 7200, 6360, 1935, 435, 27, {FontFace::Arial, 12, false, false}, 0x00FFFF, kSystemColour, Align::Centre, false, false, {"Закрывает программу"}},
}};
// clang-format on

constexpr WindowLayout kWindow = {
    .name = "Form1",
    .caption = engine::kMainCaption,
    .clientWidth = 10590, // 706 x 487 pixels
    .clientHeight = 7305,
    .screenLeft = 2325,
    .screenTop = 1425,
    .fixedBorder = true,
    .minimizeButton = false,
    .maximizeButton = false,
    .icon = "icon-main-48",
    .picture = "form1-background",
    .fill = kSystemColour,
    .drawingColour = 0x0000C0,
    .drawingFont = {FontFace::Arial, 18},
    .controls = kControls,
};

} // namespace

const WindowLayout& mainWindowLayout() {
    return kWindow;
}

std::string labelName(engine::MainLabel label) {
    return "Label" + std::to_string(static_cast<int>(label));
}

StartButtonPlace startButtonPlace(int left, int top) {
    const WindowLayout& layout = mainWindowLayout();
    return {twipsToPixels(left), twipsToPixels(top),
            liesInView(layout, *findControl(layout, "cmd1"), left, top), firstFocus(layout)};
}

} // namespace frontend
