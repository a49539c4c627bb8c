#include "ui/DrawingCanvas.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QtMath>

#include "engine/Narration.h"
#include "engine/NumberText.h"
#include "ui/Fonts.h"
#include "ui/FormBuilder.h"

namespace ui {
namespace {

// The pixels a print of `item` may touch: its advance and its ink, with a
// margin for antialiasing. Repainting only these keeps a step's click cheap.
QRect printRect(FontFace face, const DrawingCanvas::PrintedItem& item) {
    const QFontMetrics metrics(makeFont(face, item.fontSize));
    const QString text = QString::fromStdString(item.text);
    const QPoint origin(twipsToPixels(item.x), twipsToPixels(item.y));
    const QRect advance(origin, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const QRect ink = metrics.boundingRect(text).translated(origin + QPoint(0, metrics.ascent()));
    return advance.united(ink).adjusted(-2, -2, 2, 2);
}

QRect lineRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(twipsToPixels(x1), twipsToPixels(y1)),
                 QPoint(twipsToPixels(x2), twipsToPixels(y2)))
        .normalized()
        .adjusted(-1, -1, 1, 1);
}

// The picture's pixels at ratio 1, as the program stores them: uncompressed,
// so that they are painted straight from the program file with no decoding.
QImage storedPicture(const char* path, QSize size) {
    const QResource raw(QString::fromLatin1(path));
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() != qint64(size.width()) * size.height() * 4)
        return {};
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
    // Stored as little-endian words, bytes B, G, R, 255.
    return QImage(raw.data(), size.width(), size.height(), QImage::Format_RGBX8888).rgbSwapped();
#else
    const QImage image(raw.data(), size.width(), size.height(), QImage::Format_RGB32);
    return reinterpret_cast<quintptr>(raw.data()) % 4 == 0 ? image : image.copy();
#endif
}

// The picture's SVG drawn at `ratio` device pixels per pixel, one SVG unit to
// a pixel, over `size` pixels; null when the SVG cannot be read.
QImage drawnPicture(const char* path, QSize size, qreal ratio) {
    QSvgRenderer svg(QString::fromLatin1(path));
    if (!svg.isValid())
        return {};
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), svg.viewBoxF().size()));
    return image;
}

} // namespace

DrawingCanvas::DrawingCanvas(const WindowLayout& layout, QWidget* window)
    : QWidget(window), pictureSource_(layout.pictureSource), colour_(toColor(layout.drawingColour)),
      face_(layout.drawingFont.face), fontSize_(layout.drawingFont.points) {
    setObjectName(QStringLiteral("surface"));
    const QSize size(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    if (layout.picture)
        picture_ = storedPicture(layout.picture, size);
    setGeometry(QRect(QPoint(0, 0), size));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull());
    setFocusPolicy(Qt::NoFocus);
}

void DrawingCanvas::setFontSize(double points) {
    fontSize_ = points;
}

void DrawingCanvas::plotPoint(int x, int y) {
    currentX_ = x;
    currentY_ = y;
    const QRect area(twipsToPixels(x), twipsToPixels(y), 1, 1);
    ops_.push_back({OpKind::Point, x, y, 0, 0, -1, area});
    update(area);
}

void DrawingCanvas::printText(std::string_view text) {
    printed_.push_back({currentX_, currentY_, fontSize_, std::string(text)});
    const QRect area = printRect(face_, printed_.back());
    ops_.push_back(
        {OpKind::Print, currentX_, currentY_, 0, 0, static_cast<int>(printed_.size()) - 1, area});
    update(area);
}

void DrawingCanvas::printText(double value) {
    printText(engine::surfaceText(value));
}

void DrawingCanvas::drawLine(int x1, int y1, int x2, int y2) {
    const QRect area = lineRect(x1, y1, x2, y2);
    ops_.push_back({OpKind::Line, x1, y1, x2, y2, -1, area});
    update(area);
}

void DrawingCanvas::clear() {
    QRect drawn;
    for (const Op& op : ops_)
        drawn |= op.area;
    update(drawn);
    ops_.clear();
    printed_.clear();
    currentX_ = 0;
    currentY_ = 0;
    describe(engine::kNothingDrawnWords);
}

void DrawingCanvas::describe(std::string_view words) {
    const QString text = toQString(words);
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

// The SVG is read only on a screen whose ratio is not 1, when first painted
// there, and drawn again only if the window moves to a screen of another ratio.
const QImage& DrawingCanvas::pictureAt(qreal ratio) {
    if (ratio == 1.0 || !pictureSource_ || picture_.isNull())
        return picture_;
    if (sharpPicture_.isNull() || sharpPicture_.devicePixelRatio() != ratio) {
        sharpPicture_ = drawnPicture(pictureSource_, size(), ratio);
        if (sharpPicture_.isNull())
            pictureSource_ = nullptr; // the 1x pixels, scaled, from now on
    }
    return sharpPicture_.isNull() ? picture_ : sharpPicture_;
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& picture = pictureAt(devicePixelRatio());
    if (!picture.isNull())
        painter.drawImage(0, 0, picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour_, 1, Qt::SolidLine, Qt::SquareCap));
    for (const Op& op : ops_) {
        if (!op.area.intersects(event->rect()))
            continue; // clipped away anyway; skipping saves laying out its text
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
