#pragma once

// The drawing surface as the engine sees it: the main window's client area,
// addressed in twips (15 to a pixel) from its top-left corner. The surface is
// passive: it keeps what these operations drew and shows it when asked.

#include <string_view>

namespace engine {

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Sets the font size of later prints; it stays until set again.
    virtual void setFontSize(double points) = 0;

    // Sets the pixel at (x, y) to the drawing colour and makes (x, y) the
    // current point, where the next print begins.
    virtual void plotPoint(int x, int y) = 0;

    // Prints `text` unchanged with its top-left corner at the current point.
    // The engine writes numbers as text itself (surfaceText), so that every
    // surface shows them alike.
    virtual void printText(std::string_view text) = 0;

    // Draws a one-pixel line from (x1, y1) to (x2, y2) in the drawing colour.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    // Tells in words what the drawing shows now, for a pupil who cannot see
    // it; the words stay until the next call. The surface is named
    // kDrawingName (Narration.h) for assistive technology.
    virtual void describe(std::string_view words) = 0;

    // Erases every drawing (never the window picture or the controls) and
    // moves the current point to (0, 0).
    virtual void clear() = 0;
};

} // namespace engine
