#include "ui/DrawingCanvas.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "engine/Narration.h"
#include "ui/Fonts.h"
#include "ui/FormBuilder.h"

namespace ui {
namespace {

using Kind = frontend::DrawnItem::Kind;

QFont fontOf(const frontend::FontSpec& face, const frontend::DrawnItem& text) {
    QFont font = makeFont(face);
    font.setPixelSize(text.pixelSize);
    return font;
}

// The pixels an item may touch: a print's advance and its ink, with a margin
// for antialiasing. Repainting only these keeps a step's click cheap.
QRect areaOf(const frontend::FontSpec& face, const frontend::DrawnItem& item) {
    switch (item.kind) {
    case Kind::Point:
        return QRect(item.x1, item.y1, 1, 1);
    case Kind::Line:
        return QRect(QPoint(item.x1, item.y1), QPoint(item.x2, item.y2))
            .normalized()
            .adjusted(-1, -1, 1, 1);
    case Kind::Text:
        break;
    }
    const QFontMetrics metrics(fontOf(face, item));
    const QString shown = QString::fromStdString(item.text);
    const QPoint origin(item.x1, item.y1);
    const QRect advance(origin, QSize(metrics.horizontalAdvance(shown), metrics.height()));
    const QRect ink = metrics.boundingRect(shown).translated(origin + QPoint(0, metrics.ascent()));
    return advance.united(ink).adjusted(-2, -2, 2, 2);
}

QSize clientSize(const frontend::WindowLayout& layout) {
    return {frontend::twipsToPixels(layout.clientWidth),
            frontend::twipsToPixels(layout.clientHeight)};
}

} // namespace

DrawingCanvas::DrawingCanvas(const frontend::WindowLayout& layout, QWidget* window)
    : QWidget(window), picture_(layout.picture, clientSize(layout)),
      colour_(toColor(layout.drawingColour)), font_(layout.drawingFont),
      drawing_(layout, *this) {
    setObjectName(QStringLiteral("surface"));
    setAccessibleName(QString::fromUtf8(engine::kDrawingName));
    setGeometry(QRect(QPoint(0, 0), clientSize(layout)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    setFocusPolicy(Qt::NoFocus);
}

void DrawingCanvas::drawn(frontend::DrawnItem item) {
    const QRect area = areaOf(font_, item);
    update(area);
    drawn_.push_back({std::move(item), area});
}

void DrawingCanvas::cleared() {
    QRect area;
    for (const Drawn& d : drawn_)
        area |= d.area;
    update(area);
    drawn_.clear();
}

void DrawingCanvas::described(std::string_view words) {
    const QString text = toQString(words);
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

std::vector<frontend::DrawnItem> DrawingCanvas::printedItems() const {
    std::vector<frontend::DrawnItem> items;
    for (const Drawn& d : drawn_) {
        if (d.item.kind == Kind::Text)
            items.push_back(d.item);
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
        const frontend::DrawnItem& item = d.item;
        switch (item.kind) {
        case Kind::Point:
            painter.fillRect(QRect(item.x1, item.y1, 1, 1), colour_);
            break;
        case Kind::Line:
            painter.drawLine(item.x1, item.y1, item.x2, item.y2);
            break;
        case Kind::Text: {
            const QFont font = fontOf(font_, item);
            painter.setFont(font);
            painter.drawText(QPoint(item.x1, item.y1 + QFontMetrics(font).ascent()),
                             QString::fromStdString(item.text));
            break;
        }
        }
    }
}

} // namespace ui
