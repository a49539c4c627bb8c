#include "engine/Steps.h"

#include <cassert>

#include "engine/MainControls.h"
#include "engine/NumberText.h"
#include "engine/ResultsView.h"

namespace engine {
namespace {

// Whether `name` is "Label" followed by the digits of `number`.
constexpr bool isLabel(const char* name, int number) {
    const char prefix[] = "Label";
    for (int i = 0; prefix[i]; ++i, ++name) {
        if (*name != prefix[i])
            return false;
    }
    const char digits[] = {static_cast<char>(number >= 10 ? '0' + number / 10 : '0' + number),
                           static_cast<char>(number >= 10 ? '0' + number % 10 : '\0'), '\0'};
    for (int i = 0; digits[i]; ++i, ++name) {
        if (*name != digits[i])
            return false;
    }
    return *name == '\0';
}

// The step table names the labels that the ports number: the same labels.
constexpr bool labelsAgree() {
    for (const Step& s : kStepTable) {
        if (!isLabel(s.controls.resultsValue, static_cast<int>(errorsLabel(s.number))))
            return false;
        if (s.number <= kTypedSteps &&
            (!isLabel(s.controls.echoLabel, static_cast<int>(echoLabel(s.number))) ||
             !isLabel(s.controls.verdictLabel, static_cast<int>(verdictLabel(s.number)))))
            return false;
    }
    return true;
}
static_assert(labelsAgree(), "a step's label names and the ports' label numbers disagree");

} // namespace

double expectedValue(const TrainerState& state, int k) {
    assert(k >= 1 && k <= kTypedSteps);
    const double common = state.commonDenominator;
    const double multiplier1 = common / state.denominator1;
    const double multiplier2 = common / state.denominator2;
    const double newNumerator1 = multiplier1 * state.numerator1;
    const double newNumerator2 = multiplier2 * state.numerator2;
    switch (step(k).expects) {
    case Quantity::Multiplier1:
        return multiplier1;
    case Quantity::Multiplier2:
        return multiplier2;
    case Quantity::NewNumerator1:
        return newNumerator1;
    case Quantity::NewNumerator2:
        return newNumerator2;
    case Quantity::ResultNumerator:
        return isSubtraction(state.exampleId) ? newNumerator1 - newNumerator2
                                              : newNumerator1 + newNumerator2;
    case Quantity::CommonDenominator:
    case Quantity::Reducible: // not typed; never asked for
        break;
    }
    return common;
}

void drawStep(const TrainerState& state, int k, DrawingSurface& surface) {
    const StepDrawing& drawing = step(k).drawing;
    const std::string value = surfaceText(expectedValue(state, k));
    surface.setFontSize(drawing.fontSize);
    for (const DrawAction& a : drawing.actions()) {
        switch (a.kind) {
        case Draw::Value:
            surface.plotPoint(a.x1, a.y1);
            surface.printText(value);
            break;
        case Draw::EqualsSign:
            surface.plotPoint(a.x1, a.y1);
            surface.printText("=");
            break;
        case Draw::Line:
            surface.drawLine(a.x1, a.y1, a.x2, a.y2);
            break;
        }
    }
}

DrawnParts drawnParts(const TrainerState& state) {
    DrawnParts parts{};
    for (int k = 1; k <= kTypedSteps; ++k) {
        if (state.stepAnswered[static_cast<std::size_t>(k)] == 0)
            continue;
        for (const DrawAction& a : step(k).drawing.actions()) {
            auto& part = parts[static_cast<std::size_t>(a.part)];
            if (a.kind == Draw::Value)
                part = expectedValue(state, k);
            else if (!part)
                part = 0.0;
        }
    }
    return parts;
}

} // namespace engine
