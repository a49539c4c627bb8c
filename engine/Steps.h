#pragma once

// The eight steps of an example, described once: what each is called on
// screen, in the descriptions of its controls and to the ear; the controls the
// windows fill for it; what it asks for; what it draws into the worked
// solution when it is judged, and which part of the solution each drawing is.
// The windows' captions and descriptions, the narration and the drawing are
// all made from this table.

#include <array>
#include <optional>
#include <span>

#include "engine/DrawingSurface.h"
#include "engine/TrainerState.h"

namespace engine {

// What a step asks for, computed from the example on screen: the common
// denominator, the additional multiplier of each fraction, each fraction's
// numerator over the common denominator, the result's numerator; step 8 asks
// whether the result reduces.
// clang-format off
enum class Quantity {
    CommonDenominator, Multiplier1, Multiplier2, NewNumerator1, NewNumerator2, ResultNumerator,
    Reducible,
};

// The parts of the worked solution: the multipliers above the example's
// fractions, the two rewritten fractions in the template, the result after
// them ("=" and its bar, its numerator and denominator).
enum class Part {
    Multiplier1, Multiplier2, NewNumerator1, NewDenominator1, NewNumerator2, NewDenominator2,
    ResultBar, ResultNumerator, ResultDenominator,
};
// clang-format on
inline constexpr int kPartCount = 9;

// One drawing action, at twips on the surface: the step's value or "=",
// printed at (x1, y1), or a line.
enum class Draw { Value, EqualsSign, Line };
struct DrawAction {
    Draw kind;
    Part part; // of the worked solution that it draws
    int x1, y1, x2 = 0, y2 = 0;
};

struct StepDrawing {
    double fontSize;
    std::size_t count;
    std::array<DrawAction, 3> list;

    constexpr std::span<const DrawAction> actions() const { return {list.data(), count}; }
};

// The names of a step's controls that the windows fill; nullptr for none.
struct StepControls {
    const char* answerBox;
    const char* confirmButton;
    const char* echoLabel;
    const char* verdictLabel;
    const char* resultsValue; // the count of the step's errors
};

struct Step {
    int number;
    const char* caption;        // on the main window
    const char* resultsCaption; // in the results window
    const char* name;           // in the descriptions of its controls
    const char* spokenName;     // in what the pupil hears
    StepControls controls;
    Quantity expects;
    StepDrawing drawing; // drawn when the step is judged; step 8 draws nothing
};

// clang-format off
inline constexpr std::array<Step, kSteps> kStepTable = {{
    {1, "1) НОЗ (наименьший общий знаменатель)", "НОЗ (наименьший общий знаменатель):",
     "наименьший общий знаменатель", "наименьший общий знаменатель",
     {"t1", "Command1", "Label12", "Label19", "Label14"}, Quantity::CommonDenominator,
     {20, 2, {{{Draw::Value, Part::NewDenominator1, 5120, 1300}, {Draw::Value, Part::NewDenominator2, 6120, 1300}}}}},
    {2, "2) Дополнительный множитель к 1 дроби", "Дополнительный множитель к 1 дроби:",
     "дополнительный множитель к 1 дроби", "дополнительный множитель к первой дроби",
     {"t2", "Command2", "Label13", "Label20", "Label15"}, Quantity::Multiplier1,
     {12, 2, {{{Draw::Line, Part::Multiplier1, 3600, 850, 3900, 950}, {Draw::Value, Part::Multiplier1, 3600, 600}}}}},
    {3, "3) Дополнительный множитель ко 2 дроби", "Дополнительный множитель ко 2 дроби:",
     "дополнительный множитель ко 2 дроби", "дополнительный множитель ко второй дроби",
     {"t3", "Command3", "Label14", "Label21", "Label16"}, Quantity::Multiplier2,
     {12, 2, {{{Draw::Line, Part::Multiplier2, 4600, 850, 4900, 950}, {Draw::Value, Part::Multiplier2, 4600, 600}}}}},
    {4, "4) Новый числитель 1 дроби", "Новый числитель 1 дроби:",
     "новый числитель 1 дроби", "новый числитель первой дроби",
     {"t4", "Command4", "Label15", "Label22", "Label17"}, Quantity::NewNumerator1,
     {20, 1, {{{Draw::Value, Part::NewNumerator1, 5120, 900}}}}},
    {5, "5) Новый числитель 2 дроби", "Новый числитель 2 дроби:",
     "новый числитель 2 дроби", "новый числитель второй дроби",
     {"t5", "Command5", "Label16", "Label23", "Label18"}, Quantity::NewNumerator2,
     {20, 3, {{{Draw::Value, Part::NewNumerator2, 6120, 900}, {Draw::EqualsSign, Part::ResultBar, 6900, 1110},
               {Draw::Line, Part::ResultBar, 7200, 1330, 7750, 1330}}}}},
    {6, "6) Числитель результата", "Числитель результата:",
     "числитель результата", "числитель результата",
     {"t6", "Command6", "Label17", "Label24", "Label19"}, Quantity::ResultNumerator,
     {20, 1, {{{Draw::Value, Part::ResultNumerator, 7120, 900}}}}},
    {7, "7) Знаменатель результата", "Знаменатель результата:",
     "знаменатель результата", "знаменатель результата",
     {"t7", "Command7", "Label18", "Label25", "Label20"}, Quantity::CommonDenominator,
     {20, 1, {{{Draw::Value, Part::ResultDenominator, 7120, 1300}}}}},
    {8, "8) Эта  дробь сократима?", "Сократимость дроби:", "сократимость дроби", "сократимость дроби",
     {nullptr, nullptr, nullptr, nullptr, "Label21"}, Quantity::Reducible, {0, 0, {}}},
}};
// clang-format on

// Step k of the table. REQUIRES: 1 <= k <= 8.
constexpr const Step& step(int k) {
    return kStepTable[static_cast<std::size_t>(k - 1)];
}

// The step that draws `part`.
constexpr int drawingStep(Part part) {
    for (const Step& s : kStepTable) {
        for (const DrawAction& a : s.drawing.actions()) {
            if (a.part == part)
                return s.number;
        }
    }
    return 0;
}

// The value step k asks for, computed from the example on screen.
// REQUIRES: 1 <= k <= 7 and an example loaded.
double expectedValue(const TrainerState& state, int step);

// Draws step k's part of the worked solution from its expected value: sets
// the step's font size, then performs its actions in order.
// REQUIRES: 1 <= k <= 7 and an example loaded.
void drawStep(const TrainerState& state, int step, DrawingSurface& surface);

// What the worked solution holds now, part by part: for each part drawn, the
// value it shows (0 for "=" and the bar), else nothing. A step draws its
// parts when it is judged, so these follow from stepAnswered and the table.
using DrawnParts = std::array<std::optional<double>, kPartCount>;
DrawnParts drawnParts(const TrainerState& state);

} // namespace engine
