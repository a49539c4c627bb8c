#pragma once

// The main window's client area as a drawing surface: the window picture with
// the example and its worked solution drawn over it, beneath every control.
//
// The canvas keeps what was drawn since the last clear, in one list, and
// paints it on every paint, so covering the window never wipes the example,
// and on a high-DPI screen the drawing is painted at full resolution. It is
// passive: it draws what it is told and says what it is told to say.

#include <QColor>
#include <QWidget>
#include <string>
#include <vector>

#include "frontend/Drawing.h"
#include "frontend/LayoutTypes.h"
#include "ui/WindowPicture.h"

namespace ui {

class DrawingCanvas final : public QWidget, private frontend::DrawingPainter {
public:
    // Covers the client area of `window` as laid out by `layout`, below every
    // control created after it.
    DrawingCanvas(const frontend::WindowLayout& layout, QWidget* window);

    // The surface the trainer draws on.
    engine::DrawingSurface& trainerSurface() { return drawing_; }

    // What is printed now, in drawing order.
    std::vector<frontend::DrawnItem> printedItems() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // frontend::DrawingPainter; the words become the surface's accessible
    // description.
    void drawn(frontend::DrawnItem item) override;
    void cleared() override;
    void described(std::string_view words) override;

    struct Drawn {
        frontend::DrawnItem item;
        QRect area; // the pixels it may touch, repainted alone
    };

    WindowPicture picture_;
    QColor colour_;
    frontend::FontSpec font_;
    frontend::PixelDrawing drawing_;
    std::vector<Drawn> drawn_;
};

} // namespace ui
