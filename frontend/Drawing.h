#pragma once

// The drawing as every face paints it: what the trainer draws in twips and
// points, from its current point, turned once into items in the window's
// pixels. A face keeps none of the trainer's units: it paints the items it is
// given and shows the words.

#include <string>
#include <string_view>

#include "engine/DrawingSurface.h"
#include "frontend/LayoutTypes.h"

namespace frontend {

struct DrawnItem {
    enum class Kind { Point, Text, Line } kind;
    int x1, y1;         // pixels: the point, the text's top-left corner, the line's start
    int x2 = 0, y2 = 0; // the line's end
    int pixelSize = 0;  // the text's font size, in the drawing's face
    std::string text = {};
};

// What a face does with the drawing.
class DrawingPainter {
public:
    virtual ~DrawingPainter() = default;
    virtual void drawn(DrawnItem item) = 0;
    // Every item is gone.
    virtual void cleared() = 0;
    // What the drawing shows now, in words (DrawingSurface::describe).
    virtual void described(std::string_view words) = 0;
};

// The trainer's drawing surface over a face's painter.
class PixelDrawing final : public engine::DrawingSurface {
public:
    // For the drawing of `window`; `painter` must outlive it.
    PixelDrawing(const WindowLayout& window, DrawingPainter& painter);

    void setFontSize(double points) override { points_ = points; }
    void plotPoint(int x, int y) override;
    void printText(std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void describe(std::string_view words) override { painter_.described(words); }
    void clear() override;

private:
    DrawingPainter& painter_;
    FontSpec font_;
    double points_;
    int x_ = 0; // the current point, in twips
    int y_ = 0;
};

} // namespace frontend
