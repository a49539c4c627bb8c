#pragma once

// The program's widget style: Fusion, whose buttons are drawn in their palette
// colours, with frames drawn as a plain outline over the frame's own fill and
// the caption set into the top line, as frames look on the desktop the layout
// was drawn for (Fusion puts the caption above a lighter panel of its own).

#include <QProxyStyle>

namespace ui {

class TrainerStyle final : public QProxyStyle {
public:
    TrainerStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
};

} // namespace ui
