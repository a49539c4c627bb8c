#include "engine/Trainer.h"

#include <string>

#include "engine/ExerciseDrawing.h"
#include "engine/Narration.h"
#include "engine/Results.h"
#include "engine/Shuffle.h"
#include "engine/StepChecks.h"

namespace engine {

Trainer::Trainer(MainControls& controls, DrawingSurface& surface, ResultsView& results,
                 UniformSource& random)
    : controls_(controls), surface_(surface), results_(results), random_(random) {
    surface_.describe(kNothingDrawnWords);
}

void Trainer::pressStart() {
    controls_.moveStartButton(kStartButtonHiddenLeft, kStartButtonHiddenTop);
    if (state_.exampleNumber != 0)
        return;
    state_.fillIndex = 1;
    shuffleExamples(state_, random_);
    state_.exampleNumber = 1;
    recomputeTotalErrors(state_);
    controls_.setLabelCaption(MainLabel::Label8, kExampleNumberCaption);
    controls_.setLabelCaption(MainLabel::Label9, std::to_string(state_.exampleNumber));
    controls_.setLabelCaption(MainLabel::Label10, kErrorCountCaption);
    controls_.setLabelCaption(MainLabel::Label11, std::to_string(state_.totalErrors));
    loadCurrentExample(state_);
    state_.stepErrors.fill(0);
    showExample();
}

void Trainer::showExample() {
    drawExample(state_, surface_);
    surface_.describe(drawnWords());
    say(controls_, exampleWords(state_));
}

std::string Trainer::drawnWords() const {
    return state_.exampleNumber == 0 ? kNothingDrawnWords : drawingWords(state_);
}

void Trainer::repeatExample() {
    // Only repeats: the pupil has not moved, so nothing is said of the focus.
    controls_.announce(drawnWords());
}

void Trainer::closeResults() {
    results_.close();
}

void Trainer::pressConfirm(int step) {
    confirmStep(state_, step, controls_, surface_);
}

void Trainer::settleExample() {
    judgeReducibility(state_, controls_);
    countSkippedSteps(state_, controls_);
}

void Trainer::pressNext() {
    if (state_.exampleNumber == 0)
        return;
    if (state_.nextPressCount >= kAdvancingPresses) {
        ++state_.nextPressCount;
        if (!state_.lastExampleSettled) {
            // The 21st example is settled like every other one, then closed:
            // no step of it is judged any more, and its answers stay on
            // screen.
            settleExample();
            controls_.setLabelCaption(MainLabel::Label11,
                                      std::to_string(recomputeTotalErrors(state_)));
            state_.lastExampleSettled = true;
        }
        controls_.showLastExampleMessage();
        return;
    }
    for (int k = 1; k <= kTypedSteps; ++k)
        controls_.setLabelCaption(echoLabel(k), "");
    for (int k = 1; k <= kTypedSteps; ++k)
        controls_.setLabelCaption(verdictLabel(k), "");
    ++state_.nextPressCount;
    settleExample();
    ++state_.exampleNumber;
    state_.stepAnswered.fill(0);
    surface_.clear();
    for (int k = 1; k <= kTypedSteps; ++k)
        controls_.setAnswerText(k, "");
    controls_.setLabelCaption(MainLabel::Label9, std::to_string(state_.exampleNumber));
    controls_.setLabelCaption(MainLabel::Label11, std::to_string(recomputeTotalErrors(state_)));
    loadCurrentExample(state_);
    showExample();
}

void Trainer::pressResults() {
    showResults(state_, controls_, results_);
}

} // namespace engine
