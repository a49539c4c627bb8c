#pragma once

// The program's fonts in the faces that stand for them on this system, sized
// in pixels as the layout's fonts are on every face, so that the windows look
// the same whatever DPI the desktop reports (Qt's device pixel ratio then
// scales the whole window).

#include <QFont>

#include "frontend/LayoutTypes.h"

namespace ui {

QFont makeFont(frontend::FontFace face, double points, bool bold = false, bool underline = false);
QFont makeFont(const frontend::FontSpec& font);

} // namespace ui
