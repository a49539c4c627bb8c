#pragma once

// Where a window opens: at the place its layout gives, but never partly off
// the screen's available area (what panels and docks leave free), so that
// every control and the title bar can be reached on a small or scaled screen.

#include <QRect>

class QWidget;

namespace ui {

// The frame of a window that would stand at `wanted` (title bar and borders
// included), moved as little as it takes to lie wholly on `available`;
// `wanted` itself where it fits. Along a side where the window is larger
// than the area, its left or top edge lies on the area's, so that its title
// bar stays on the screen.
QRect fitOnScreen(const QRect& wanted, const QRect& available);

// Gives `window` its client area at `client` (in screen pixels) where the
// whole window fits on its screen, else the place fitOnScreen finds. The
// frame is reckoned from a window already open until the window system has
// framed this one; when the window is first shown, its real frame is checked
// again and the window moved once more if that is still needed.
void placeOnScreen(QWidget& window, const QRect& client);

} // namespace ui
