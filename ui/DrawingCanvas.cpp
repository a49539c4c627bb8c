#include "ui/DrawingCanvas.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResource>

#include "engine/Narration.h"
#include "engine/NumberText.h"
#include "ui/Fonts.h"
#include "ui/FormBuilder.h"
#include "ui/PicturePatches.h"

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

// The picture at `path`, composed from the patches made of it at build time
// when they are there (the same pixels, without decoding the file).
QPixmap loadPicture(const QString& path) {
    const QResource patches(path + QStringLiteral(".patches"));
    if (patches.isValid()) {
        const QByteArray data =
            patches.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(patches.data()),
                                          static_cast<qsizetype>(patches.size()))
                : patches.uncompressedData();
        QImage image = decodePicturePatches(data);
        if (!image.isNull())
            return QPixmap::fromImage(std::move(image));
    }
    return QPixmap(path);
}

} // namespace

DrawingCanvas::DrawingCanvas(const WindowLayout& layout, QWidget* window)
    : QWidget(window), colour_(toColor(layout.drawingColour)), face_(layout.drawingFont.face),
      fontSize_(layout.drawingFont.points) {
    setObjectName(QStringLiteral("surface"));
    if (layout.picture)
        picture_ = loadPicture(QString::fromLatin1(layout.picture));
    setGeometry(0, 0, twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
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

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
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
