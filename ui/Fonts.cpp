#include "ui/Fonts.h"

#include <cmath>

#include "ui/Platform.h"

namespace ui {

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

namespace {

// Two sizes of the layout are a pixel too large for their texts in faces of
// Arial's metrics (Arial itself, and Liberation Sans, which stands for both
// faces on Linux): the option «Нет» in 9.75 pt needs 22 of the 21 pixels its
// frame leaves it beside the option's circle, and the results window's
// longest step name in bold 11.25 pt runs 8 pixels under the value column.
int pixelSize(FontFace face, double points, bool bold) {
    if (face == FontFace::MsSansSerif && points == 9.75)
        return 12;
    if (face == FontFace::Arial && points == 11.25 && bold)
        return 14;
    return pointsToPixels(points);
}

} // namespace

QFont makeFont(FontFace face, double points, bool bold, bool underline) {
    QFont font(platform::fontFamily(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize(face, points, bold));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont makeFont(const FontSpec& font) {
    return makeFont(font.face, font.points, font.bold, font.underline);
}

} // namespace ui
