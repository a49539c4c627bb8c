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

#include "engine/DrawingSurface.h"
#include "frontend/LayoutTypes.h"
#include "ui/WindowPicture.h"

namespace ui {

class DrawingCanvas final : public QWidget, public engine::DrawingSurface {
public:
    // Covers the client area of `window` as laid out by `layout`, below every
    // control created after it.
    DrawingCanvas(const frontend::WindowLayout& layout, QWidget* window);

    void setFontSize(double points) override;
    void plotPoint(int x, int y) override;
    void printText(std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void clear() override;
    // The words become the surface's accessible description.
    void describe(std::string_view words) override;

    // A print as it stands on the surface.
    struct PrintedItem {
        int x, y; // twips
        double fontSize;
        std::string text;
    };
    // What is printed now, in drawing order.
    std::vector<PrintedItem> printedItems() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Kind { Point, Print, Line };
    struct Drawn {
        Kind kind;
        int x1, y1, x2, y2; // twips; a point and a print use (x1, y1)
        double fontSize;    // prints only
        std::string text;   // prints only
        QRect area;         // the pixels it may touch, repainted alone
    };
    void add(Drawn drawn);

    WindowPicture picture_;
    QColor colour_;
    frontend::FontFace face_;
    double fontSize_;
    int currentX_ = 0;
    int currentY_ = 0;
    std::vector<Drawn> drawn_;
};

} // namespace ui
