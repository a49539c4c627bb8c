#include "engine/StepChecks.h"

#include <array>
#include <cassert>

#include "engine/Narration.h"
#include "engine/NumberText.h"

namespace engine {
namespace {

// What a step prints into the worked solution.
enum class Shown { Value, EqualsSign, Line };

struct DrawAction {
    Shown what;
    int x1, y1, x2, y2; // a print uses (x1, y1) only
};

struct StepDrawing {
    double fontSize;
    int actionCount;
    std::array<DrawAction, 3> actions;
};

// clang-format off
constexpr std::array<StepDrawing, kTypedSteps + 1> kStepDrawings = {{
    {0, 0, {}},
    {20, 2, {{{Shown::Value, 5120, 1300, 0, 0}, {Shown::Value, 6120, 1300, 0, 0}}}},
    {12, 2, {{{Shown::Line, 3600, 850, 3900, 950}, {Shown::Value, 3600, 600, 0, 0}}}},
    {12, 2, {{{Shown::Line, 4600, 850, 4900, 950}, {Shown::Value, 4600, 600, 0, 0}}}},
    {20, 1, {{{Shown::Value, 5120, 900, 0, 0}}}},
    {20, 3, {{{Shown::Value, 6120, 900, 0, 0}, {Shown::EqualsSign, 6900, 1110, 0, 0},
              {Shown::Line, 7200, 1330, 7750, 1330}}}},
    {20, 1, {{{Shown::Value, 7120, 900, 0, 0}}}},
    {20, 1, {{{Shown::Value, 7120, 1300, 0, 0}}}},
}};
// clang-format on

void drawStep(int step, double value, DrawingSurface& surface) {
    const StepDrawing& drawing = kStepDrawings[static_cast<std::size_t>(step)];
    surface.setFontSize(drawing.fontSize);
    for (int i = 0; i < drawing.actionCount; ++i) {
        const DrawAction& a = drawing.actions[static_cast<std::size_t>(i)];
        switch (a.what) {
        case Shown::Value:
            surface.plotPoint(a.x1, a.y1);
            surface.printText(value);
            break;
        case Shown::EqualsSign:
            surface.plotPoint(a.x1, a.y1);
            surface.printText("=");
            break;
        case Shown::Line:
            surface.drawLine(a.x1, a.y1, a.x2, a.y2);
            break;
        }
    }
}

} // namespace

double expectedValue(const TrainerState& state, int step) {
    assert(step >= 1 && step <= kTypedSteps);
    const double common = state.commonDenominator;
    const double multiplier1 = common / state.denominator1;
    const double multiplier2 = common / state.denominator2;
    const double newNumerator1 = multiplier1 * state.numerator1;
    const double newNumerator2 = multiplier2 * state.numerator2;
    switch (step) {
    case 2:
        return multiplier1;
    case 3:
        return multiplier2;
    case 4:
        return newNumerator1;
    case 5:
        return newNumerator2;
    case 6:
        return isSubtraction(state.exampleId) ? newNumerator1 - newNumerator2
                                              : newNumerator1 + newNumerator2;
    default: // steps 1 and 7
        return common;
    }
}

void confirmStep(TrainerState& state, int step, MainControls& controls, DrawingSurface& surface) {
    assert(step >= 1 && step <= kTypedSteps);
    if (state.exampleNumber == 0)
        return;
    int& answered = state.stepAnswered[static_cast<std::size_t>(step)];
    if (answered > 0) {
        controls.setAnswerText(step, "");
        controls.announce(judgedAlreadyWords(step));
        return;
    }
    state.enteredValue = readAnswerNumber(controls.answerText(step));
    const double expected = expectedValue(state, step);
    const bool right = state.enteredValue == expected;
    if (!right)
        ++state.stepErrors[static_cast<std::size_t>(step)];
    controls.setLabelCaption(echoLabel(step), captionText(state.enteredValue));
    controls.setLabelCaption(verdictLabel(step), right ? kVerdictRight : kVerdictWrong);
    controls.setLabelCaption(MainLabel::Label11, captionText(recomputeTotalErrors(state)));
    ++answered;
    drawStep(step, expected, surface);
    surface.describe(drawingWords(state));
    controls.announce(verdictWords(step, state.enteredValue, right));
}

void judgeReducibility(TrainerState& state, const MainControls& controls) {
    const bool answeredNo = controls.isOption2Selected();
    if (isReducible(state.exampleId) == answeredNo)
        ++state.stepErrors[kSteps];
}

void countSkippedSteps(TrainerState& state, const MainControls& controls) {
    for (int k = 1; k <= kTypedSteps; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (state.stepAnswered[i] == 0 && controls.answerText(k).empty())
            ++state.stepErrors[i];
    }
}

} // namespace engine
