#include "frontend/Fonts.h"

#include <cmath>

namespace frontend {

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

// Two sizes of the layout are a pixel too large for their texts in faces of
// Arial's metrics (Arial itself, and Liberation Sans, which stands for both
// faces on Linux and in the browser): the option «Нет» in 9.75 pt needs 22 of
// the 21 pixels its frame leaves it beside the option's circle, and the
// results window's longest step name in bold 11.25 pt runs 8 pixels under the
// value column.
int pixelSize(FontFace face, double points, bool bold) {
    if (face == FontFace::MsSansSerif && points == 9.75)
        return 12;
    if (face == FontFace::Arial && points == 11.25 && bold)
        return 14;
    return pointsToPixels(points);
}

} // namespace frontend
