#include "ui/DrawingCanvas.h"

#include <QFontMetrics>
#include <QPainter>

#include "engine/NumberText.h"
#include "ui/Fonts.h"
#include "ui/FormBuilder.h"

namespace ui {

DrawingCanvas::DrawingCanvas(const WindowLayout& layout, QWidget* window)
    : QWidget(window), colour_(toColor(layout.drawingColour)), face_(layout.drawingFont.face),
      fontSize_(layout.drawingFont.points) {
    setObjectName(QStringLiteral("surface"));
    if (layout.picture)
        picture_.load(QString::fromLatin1(layout.picture));
    setGeometry(0, 0, twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    setFocusPolicy(Qt::NoFocus);
}

void DrawingCanvas::setFontSize(double points) { fontSize_ = points; }

void DrawingCanvas::plotPoint(int x, int y) {
    currentX_ = x;
    currentY_ = y;
    ops_.push_back({OpKind::Point, x, y, 0, 0, -1});
    update();
}

void DrawingCanvas::printText(std::string_view text) {
    printed_.push_back({currentX_, currentY_, fontSize_, std::string(text)});
    ops_.push_back({OpKind::Print, currentX_, currentY_, 0, 0, static_cast<int>(printed_.size()) - 1});
    update();
}

void DrawingCanvas::printText(double value) { printText(engine::surfaceText(value)); }

void DrawingCanvas::drawLine(int x1, int y1, int x2, int y2) {
    ops_.push_back({OpKind::Line, x1, y1, x2, y2, -1});
    update();
}

void DrawingCanvas::clear() {
    ops_.clear();
    printed_.clear();
    currentX_ = 0;
    currentY_ = 0;
    update();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour_, 1, Qt::SolidLine, Qt::SquareCap));
    for (const Op& op : ops_) {
        const int x = twipsToPixels(op.x1);
        const int y = twipsToPixels(op.y1);
        switch (op.kind) {
        case OpKind::Point:
            painter.fillRect(QRect(x, y, 1, 1), colour_);
            break;
        case OpKind::Line:
            painter.drawLine(x, y, twipsToPixels(op.x2), twipsToPixels(op.y2));
            break;
        case OpKind::Print: {
            const PrintedItem& item = printed_[static_cast<std::size_t>(op.printIndex)];
            const QFont font = makeFont(face_, item.fontSize);
            painter.setFont(font);
            painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()),
                             QString::fromStdString(item.text));
            break;
        }
        }
    }
}

} // namespace ui
