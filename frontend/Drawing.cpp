#include "frontend/Drawing.h"

#include "frontend/Fonts.h"

namespace frontend {

PixelDrawing::PixelDrawing(const WindowLayout& window, DrawingPainter& painter)
    : painter_(painter), font_(window.drawingFont), points_(window.drawingFont.points) {}

void PixelDrawing::plotPoint(int x, int y) {
    x_ = x;
    y_ = y;
    painter_.drawn({DrawnItem::Kind::Point, twipsToPixels(x), twipsToPixels(y)});
}

void PixelDrawing::printText(std::string_view text) {
    painter_.drawn({DrawnItem::Kind::Text, twipsToPixels(x_), twipsToPixels(y_), 0, 0,
                    pixelSize(font_.face, points_, font_.bold), std::string(text)});
}

void PixelDrawing::drawLine(int x1, int y1, int x2, int y2) {
    painter_.drawn({DrawnItem::Kind::Line, twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2),
                    twipsToPixels(y2)});
}

void PixelDrawing::clear() {
    x_ = 0;
    y_ = 0;
    painter_.cleared();
}

} // namespace frontend
