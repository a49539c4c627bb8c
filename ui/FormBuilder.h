#pragma once

// Turns a WindowLayout into a real window: the window's own properties, then
// one widget per ControlLayout, named after its control, stacked and chained
// in tab order as the table says. No control has code of its own here.

#include <QWidget>

#include "ui/LayoutTypes.h"

namespace ui {

// Sets the window's name, caption, icon, fill, fixed client size, title-bar
// buttons and the screen position of its client area.
void applyWindowLayout(QWidget& window, const WindowLayout& layout);

// Creates every control of `layout` as a child of `window` (or of its frame),
// raises boxes, buttons and frames above the labels, and chains the tab order
// by tab index.
void buildControls(QWidget& window, const WindowLayout& layout);

QColor toColor(std::uint32_t rgb);

} // namespace ui
