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

// A part of the drawing surface, in twips.
struct SurfaceArea {
    int left, top, width, height;
};

// The part of the surface that the drawing of an example and its whole
// solution lie within, the tallest text included, with a margin: what a face
// shows where it has no room for the whole window.
inline constexpr SurfaceArea kDrawingArea = {2925, 480, 4950, 1350};

// The sign of the example `id` as it is printed: "-" or "+".
const char* operationSign(int id);

} // namespace engine
