#pragma once

// The pixel sizes of the layout's fonts, the same on every face: points at 96
// dots per inch, but for two sizes that are a pixel smaller so that their
// texts fit their controls.

#include "frontend/LayoutTypes.h"

namespace frontend {

// Points to pixels at 96 dots per inch, to the nearest pixel.
int pointsToPixels(double points);

// The size in pixels of `face` at `points`, `bold` or not.
int pixelSize(FontFace face, double points, bool bold);

} // namespace frontend
