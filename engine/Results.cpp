#include "engine/Results.h"

#include <string>

#include "engine/Narration.h"

namespace engine {

int examplesSolved(const TrainerState& state, const MainControls& controls) {
    for (int k = 1; k <= kTypedSteps; ++k) {
        if (controls.labelCaption(echoLabel(k)).empty())
            return state.exampleNumber - 1;
    }
    return state.exampleNumber;
}

void showResults(TrainerState& state, const MainControls& controls, ResultsView& view) {
    view.open();
    if (state.exampleNumber == 0) {
        view.announce(kNoResultsWords);
        return;
    }
    recomputeTotalErrors(state);
    const int solved = examplesSolved(state, controls);
    view.setValue(ResultLabel::Label2, std::to_string(solved));
    view.setValue(ResultLabel::Label4, std::to_string(state.totalErrors));
    for (int k = 1; k <= kSteps; ++k) {
        view.setValue(errorsLabel(k),
                      std::to_string(state.stepErrors[static_cast<std::size_t>(k)]));
    }
    view.announce(resultsWords(solved, state.totalErrors, state.stepErrors));
}

} // namespace engine
