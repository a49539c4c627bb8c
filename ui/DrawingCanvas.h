#pragma once

// The main window's client area as a drawing surface: the window picture with
// the example and its worked solution drawn over it, beneath every control.
//
// The canvas keeps the operations drawn since the last clear and replays them
// on every paint, so covering the window never wipes the example, and on a
// high-DPI screen the drawing is painted at full resolution. So is the
// picture: at ratio 1 it is the pixels stored in the program, at any other
// ratio its SVG drawn at the screen's own pixels.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "engine/DrawingSurface.h"
#include "ui/LayoutTypes.h"

namespace ui {

class DrawingCanvas final : public QWidget, public engine::DrawingSurface {
public:
    // Covers the client area of `window` as laid out by `layout`, below every
    // control created after it.
    DrawingCanvas(const WindowLayout& layout, QWidget* window);

    void setFontSize(double points) override;
    void plotPoint(int x, int y) override;
    void printText(std::string_view text) override;
    void printText(double value) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void clear() override;
    // The words become the surface's accessible description.
    void describe(std::string_view words) override;

    // What is drawn now, one entry per print, in drawing order.
    struct PrintedItem {
        int x, y; // twips
        double fontSize;
        std::string text;
    };
    const std::vector<PrintedItem>& printedItems() const { return printed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture to paint at device pixel ratio `ratio`.
    const QImage& pictureAt(qreal ratio);

    enum class OpKind { Point, Print, Line };
    struct Op {
        OpKind kind;
        int x1, y1, x2, y2; // twips
        int printIndex;     // into printed_, for prints
        QRect area;         // the pixels it may touch, repainted alone
    };

    QImage picture_;            // at ratio 1
    const char* pictureSource_; // the SVG, or nullptr
    QImage sharpPicture_;       // drawn from the SVG at the last ratio other than 1
    QColor colour_;
    FontFace face_;
    double fontSize_;
    int currentX_ = 0;
    int currentY_ = 0;
    std::vector<Op> ops_;
    std::vector<PrintedItem> printed_;
};

} // namespace ui
