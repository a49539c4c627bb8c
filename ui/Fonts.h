#pragma once

// The program's fonts in the faces that stand for them on this system, sized
// in pixels (at 96 dots per inch, or where a text needs it a pixel less) so
// that the windows look the same whatever DPI the desktop reports (Qt's device
// pixel ratio then scales the whole window).

#include <QFont>

#include "ui/LayoutTypes.h"

namespace ui {

QFont makeFont(FontFace face, double points, bool bold = false, bool underline = false);
QFont makeFont(const FontSpec& font);

// Points to pixels at 96 dots per inch, to the nearest pixel.
int pointsToPixels(double points);

} // namespace ui
