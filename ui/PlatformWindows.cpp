// Windows 10 and 11. The layout's faces are the ones Windows has, and the
// window picture at the pixel ratios Windows offers comes from pictures drawn
// from its SVG when the program was built.
#include <QAccessible>
#include <QImage>
#include <QString>
#include <QWidget>
#include <QtMath>
#include <array>
#include <cmath>

#include "ui/Platform.h"

namespace ui::platform {

// A Windows desktop always has a screen to draw on, in colours enough, and
// its window manager keeps a window's fixed size and title-bar buttons as the
// window asks.
bool prepareDisplay() {
    return true;
}

bool displayReady() {
    return true;
}

void prepareWindow(QWidget&) {}

// On Windows 10 and 11 "MS Sans Serif" is a bitmap font of a few fixed sizes
// in a Western character set. Qt's Windows font database takes it as such:
// not scalable, so a request gets the nearest stored size; Latin letters
// only, so the Cyrillic captions would come from some other face; and above
// 18 pixels Qt asks for Arial instead. Microsoft Sans Serif is the same
// design as a scalable TrueType face with Cyrillic letters, and every
// Windows 10 and 11 has it.
QString fontFamily(frontend::FontFace face) {
    return face == frontend::FontFace::Arial ? QStringLiteral("Arial")
                                             : QStringLiteral("Microsoft Sans Serif");
}

// There is no SVG renderer in the Windows build: the picture was drawn at
// 125, 150, 175 and 200 % when the program was built, each of its client
// area's device pixels, and is stored beside its source as NAME-PERCENT.png.
// A ratio in between takes the next larger picture, scaled down smoothly.
QImage drawPicture(const QString& source, QSize size, qreal ratio) {
    static constexpr std::array kPercents = {125, 150, 175, 200};
    QString path = source;
    if (!path.endsWith(QLatin1String(".svg")))
        return {};
    path.chop(4);
    const int wanted = static_cast<int>(std::lround(ratio * 100));
    int percent = kPercents.back();
    for (int p : kPercents) {
        if (p >= wanted) {
            percent = p;
            break;
        }
    }
    QImage image(QStringLiteral("%1-%2.png").arg(path).arg(percent));
    if (image.isNull())
        return {};
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Qt's UI Automation bridge raises no event when a notification appears; a
// value change that carries a text it raises as a UI Automation notification
// event with that text (on Windows 10 1709 and later).
void announce(QWidget& announcer, const QString& words) {
    QAccessibleValueChangeEvent event(&announcer, words);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui::platform
