#include "engine/StepChecks.h"

#include <cassert>

#include "engine/Narration.h"
#include "engine/NumberText.h"

namespace engine {

void confirmStep(TrainerState& state, int step, MainControls& controls, DrawingSurface& surface) {
    assert(step >= 1 && step <= kTypedSteps);
    if (state.exampleNumber == 0)
        return;
    int& answered = state.stepAnswered[static_cast<std::size_t>(step)];
    if (answered > 0 || state.lastExampleSettled) {
        controls.setAnswerText(step, "");
        say(controls, answered > 0 ? judgedAlreadyWords(step) : closedStepWords(step));
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
    drawStep(state, step, surface);
    surface.describe(drawingWords(state));
    say(controls, verdictWords(step, state.enteredValue, right));
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
