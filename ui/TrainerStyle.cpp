#include "ui/TrainerStyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {
namespace {

constexpr int kCaptionLeft = 8; // pixels from the frame's left edge
constexpr int kCaptionGap = 2;  // blank line on either side of the caption

QRect captionRect(const QFontMetrics& metrics, const QString& caption) {
    return {kCaptionLeft, 0, metrics.horizontalAdvance(caption) + 1, metrics.height()};
}

} // namespace

TrainerStyle::TrainerStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect TrainerStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    if (control == CC_GroupBox && part == SC_GroupBoxLabel) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option))
            return captionRect(box->fontMetrics, box->text);
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void TrainerStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (element != PE_FrameGroupBox || !box) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect caption = captionRect(option->fontMetrics, box->title());
    const QRect frame = option->rect.adjusted(0, caption.height() / 2, -1, -1);
    painter->save();
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawLine(frame.topLeft(), QPoint(caption.left() - kCaptionGap, frame.top()));
    painter->drawLine(QPoint(caption.right() + kCaptionGap, frame.top()), frame.topRight());
    painter->drawLine(frame.topRight(), frame.bottomRight());
    painter->drawLine(frame.bottomRight(), frame.bottomLeft());
    painter->drawLine(frame.bottomLeft(), frame.topLeft());
    painter->restore();
}

} // namespace ui
