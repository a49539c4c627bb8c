#include "ui/DrawingCanvas.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "engine/Narration.h"
#include "ui/Fonts.h"
#include "ui/FormBuilder.h"

namespace ui {
namespace {

// The pixels a print may touch: its advance and its ink, with a margin for
// antialiasing. Repainting only these keeps a step's click cheap.
QRect printRect(frontend::FontFace face, double fontSize, int x, int y, const std::string& text) {
    const QFontMetrics metrics(makeFont(face, fontSize));
    const QString shown = QString::fromStdString(text);
    const QPoint origin(frontend::twipsToPixels(x), frontend::twipsToPixels(y));
    const QRect advance(origin, QSize(metrics.horizontalAdvance(shown), metrics.height()));
    const QRect ink = metrics.boundingRect(shown).translated(origin + QPoint(0, metrics.ascent()));
    return advance.united(ink).adjusted(-2, -2, 2, 2);
}

QRect lineRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(frontend::twipsToPixels(x1), frontend::twipsToPixels(y1)),
                 QPoint(frontend::twipsToPixels(x2), frontend::twipsToPixels(y2)))
        .normalized()
        .adjusted(-1, -1, 1, 1);
}

QSize clientSize(const frontend::WindowLayout& layout) {
    return {frontend::twipsToPixels(layout.clientWidth),
            frontend::twipsToPixels(layout.clientHeight)};
}

} // namespace

DrawingCanvas::DrawingCanvas(const frontend::WindowLayout& layout, QWidget* window)
    : QWidget(window), picture_(layout.picture, clientSize(layout)),
      colour_(toColor(layout.drawingColour)), face_(layout.drawingFont.face),
      fontSize_(layout.drawingFont.points) {
    setObjectName(QStringLiteral("surface"));
    setAccessibleName(QString::fromUtf8(engine::kDrawingName));
    setGeometry(QRect(QPoint(0, 0), clientSize(layout)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    setFocusPolicy(Qt::NoFocus);
}

void DrawingCanvas::add(Drawn drawn) {
    update(drawn.area);
    drawn_.push_back(std::move(drawn));
}

void DrawingCanvas::setFontSize(double points) {
    fontSize_ = points;
}

void DrawingCanvas::plotPoint(int x, int y) {
    currentX_ = x;
    currentY_ = y;
    add({Kind::Point,
         x,
         y,
         0,
         0,
         0,
         {},
         QRect(frontend::twipsToPixels(x), frontend::twipsToPixels(y), 1, 1)});
}

void DrawingCanvas::printText(std::string_view text) {
    std::string shown(text);
    const QRect area = printRect(face_, fontSize_, currentX_, currentY_, shown);
    add({Kind::Print, currentX_, currentY_, 0, 0, fontSize_, std::move(shown), area});
}

void DrawingCanvas::drawLine(int x1, int y1, int x2, int y2) {
    add({Kind::Line, x1, y1, x2, y2, 0, {}, lineRect(x1, y1, x2, y2)});
}

void DrawingCanvas::clear() {
    QRect area;
    for (const Drawn& d : drawn_)
        area |= d.area;
    update(area);
    drawn_.clear();
    currentX_ = 0;
    currentY_ = 0;
}

void DrawingCanvas::describe(std::string_view words) {
    const QString text = toQString(words);
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

std::vector<DrawingCanvas::PrintedItem> DrawingCanvas::printedItems() const {
    std::vector<PrintedItem> items;
    for (const Drawn& d : drawn_) {
        if (d.kind == Kind::Print)
            items.push_back({d.x1, d.y1, d.fontSize, d.text});
    }
    return items;
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& picture = picture_.at(devicePixelRatio());
    if (!picture.isNull())
        painter.drawImage(0, 0, picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour_, 1, Qt::SolidLine, Qt::SquareCap));
    for (const Drawn& d : drawn_) {
        if (!d.area.intersects(event->rect()))
            continue; // clipped away anyway; skipping saves laying out its text
        const int x = frontend::twipsToPixels(d.x1);
        const int y = frontend::twipsToPixels(d.y1);
        switch (d.kind) {
        case Kind::Point:
            painter.fillRect(QRect(x, y, 1, 1), colour_);
            break;
        case Kind::Line:
            painter.drawLine(x, y, frontend::twipsToPixels(d.x2), frontend::twipsToPixels(d.y2));
            break;
        case Kind::Print: {
            const QFont font = makeFont(face_, d.fontSize);
            painter.setFont(font);
            painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()),
                             QString::fromStdString(d.text));
            break;
        }
        }
    }
}

} // namespace ui
