#include "ui/Fonts.h"

#include "frontend/Fonts.h"
#include "ui/Platform.h"

namespace ui {

QFont makeFont(frontend::FontFace face, double points, bool bold, bool underline) {
    QFont font(platform::fontFamily(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(frontend::pixelSize(face, points, bold));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont makeFont(const frontend::FontSpec& font) {
    return makeFont(font.face, font.points, font.bold, font.underline);
}

} // namespace ui
