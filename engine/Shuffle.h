#pragma once

// The random order of the run: a permutation of the 21 example ids, made by
// rejection sampling so that every order is equally likely.

#include "engine/TrainerState.h"
#include "engine/UniformSource.h"

namespace engine {

// Fills exampleOrder[1..21] with a permutation of 1..21: each draw proposes
// floor(r * 21) + 1 and is rejected when a scan of all 21 slots finds it
// already placed. Uses fillIndex, scanIndex and candidate as working fields.
// REQUIRES: exampleOrder all 0 and fillIndex == 1; `random` yields values in
// [0, 1) that eventually cover every id.
void shuffleExamples(TrainerState& state, UniformSource& random);

} // namespace engine
