#pragma once

// Drawing the current example: two stacked fractions with the operation sign,
// "=", and an empty result template of two bars with the same sign.

#include "engine/DrawingSurface.h"
#include "engine/TrainerState.h"

namespace engine {

// Draws the current example of `state` in 20-point type, without clearing the
// surface first, and leaves the font size at 20.
// REQUIRES: an example is loaded (state.exampleId in 1..21).
void drawExample(const TrainerState& state, DrawingSurface& surface);

// The sign of the example `id` as it is printed: "-" or "+".
const char* operationSign(int id);

} // namespace engine
