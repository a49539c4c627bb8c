// The Linux desktops: X11 and Wayland sessions. The layout's faces are
// stood in for by free faces, and the window picture is drawn from its SVG.
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ui/Platform.h"

namespace ui::platform {

// Qt aborts with a long message when it finds no display; a pupil or teacher
// starting the program from a text console deserves one clear line instead.
bool prepareDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform).substr(0, 3) != "xcb" &&
        std::string_view(platform).substr(0, 7) != "wayland")
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x11 && *x11) || (wayland && *wayland))
        return true;
    std::fputs("fraction-trainer: no graphical display found (DISPLAY is not set); "
               "start the program from a desktop session\n",
               stderr);
    return false;
}

// Liberation Sans has Arial's metrics; DejaVu Sans stands for MS Sans Serif.
QString fontFamily(FontFace face) {
    return face == FontFace::Arial ? QStringLiteral("Liberation Sans")
                                   : QStringLiteral("DejaVu Sans");
}

// One SVG unit to a pixel.
QImage drawPicture(const char* source, QSize size, qreal ratio) {
    QSvgRenderer svg(QString::fromLatin1(source));
    if (!svg.isValid())
        return {};
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), svg.viewBoxF().size()));
    return image;
}

// AT-SPI tells the screen reader of the notification as it appears.
void announce(QWidget&, const QString&) {}

} // namespace ui::platform
