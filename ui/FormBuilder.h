#pragma once

// Turns a WindowLayout into a real window: the window's own properties, then
// one widget per ControlLayout, named after its control, stacked and chained
// in tab order as the table says. No control has code of its own here.

#include <QString>
#include <QWidget>
#include <string_view>

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

// The engine's UTF-8 text as a caption.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace ui
