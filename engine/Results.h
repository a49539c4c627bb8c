#pragma once

// The summary of the run shown in the results window: examples solved, the
// error total, and the errors of each of the eight steps.

#include "engine/MainControls.h"
#include "engine/ResultsView.h"
#include "engine/TrainerState.h"

namespace engine {

// The examples solved so far: every example before the one on screen, and the
// one on screen too once all seven echo labels show an answer.
int examplesSolved(const TrainerState& state, const MainControls& controls);

// Opens the results window and, once a run has started, recomputes totalErrors
// and writes the summary into it; says the summary (or that there is none yet)
// aloud. Judges nothing and leaves Label11 alone.
void showResults(TrainerState& state, const MainControls& controls, ResultsView& view);

} // namespace engine
