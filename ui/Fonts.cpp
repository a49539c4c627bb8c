#include "ui/Fonts.h"

#include <cmath>

#include "ui/Platform.h"

namespace ui {

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont makeFont(FontFace face, double points, bool bold, bool underline) {
    QFont font(platform::fontFamily(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(platform::fontPixelSize(face, points, bold));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont makeFont(const FontSpec& font) {
    return makeFont(font.face, font.points, font.bold, font.underline);
}

} // namespace ui
