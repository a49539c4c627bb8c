#pragma once

// What the program's own widgets are to a screen reader beyond what Qt makes
// of them: the drawing surface is a picture, the announcers are
// notifications, and a label named by a caption reads its own text. The
// descriptions and naming captions of the controls are columns of the layout
// tables, applied by the form builder.

namespace ui {

// Call once, before the first window is created: Qt keeps the first
// accessible interface it makes for a widget.
void installAccessibility();

} // namespace ui
