// The Linux desktops: X11 and Wayland sessions. The layout's faces are
// stood in for by free faces, and the window picture is drawn from its SVG.
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>
#include <QWindow>
#include <QtMath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "ui/Platform.h"

namespace ui::platform {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// The compositor's socket as the Wayland library names it.
const char* waylandDisplay() {
    return isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
}

// Whether a Wayland compositor answers where the session says it listens,
// found as the Wayland library finds it. Asked before the toolkit tries, since
// the library complains on stderr of its own accord.
bool waylandAnswers() {
    if (isSet("WAYLAND_SOCKET"))
        return true; // a connection handed over by whoever started the program
    const char* name = waylandDisplay();
    std::string path = name;
    if (name[0] != '/') {
        if (!isSet("XDG_RUNTIME_DIR"))
            return false;
        path = std::string(std::getenv("XDG_RUNTIME_DIR")) + '/' + name;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

// What the toolkit says while it connects to the window system is held back:
// if it cannot connect, the first thing it said is the reason given in the
// program's one line; if it can, everything is passed on as it was said.
// A message handler is the process's own, so its state is too.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler passOn = nullptr;
std::vector<HeldMessage> held;
const char* advice = "start the program from a desktop session";

[[noreturn]] void cannotConnect(const QString& toolkitFatal) {
    const QString reason = held.empty()
                               ? toolkitFatal.section(QLatin1Char('\n'), 0, 0).trimmed()
                               : held.front().text.section(QLatin1Char('\n'), 0, 0).trimmed();
    std::fprintf(stderr, "fraction-trainer: no graphical display can be reached (%s); %s\n",
                 reason.toLocal8Bit().constData(), advice);
    std::fflush(stderr);
    // The application object is half made and cannot be taken down.
    std::_Exit(1);
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg)
        cannotConnect(text);
    held.push_back({type, QByteArray(context.category), text});
}

} // namespace

// Through XWayland, where the session has it, the windows get the desktop's
// own title bar with the close box alone, a fixed size and their places on
// the screen, none of which a Wayland client can ask for; Qt's Wayland
// plugin is used only where there is no X display. An administrator's
// QT_QPA_PLATFORM is left as it is.
bool prepareDisplay() {
    const bool x11 = isSet("DISPLAY");
    const bool wayland = isSet("WAYLAND_DISPLAY");
    if (!isSet("QT_QPA_PLATFORM")) {
        if (!x11 && !wayland) {
            std::fputs("fraction-trainer: no graphical display found (neither DISPLAY nor "
                       "WAYLAND_DISPLAY is set); start the program from a desktop session\n",
                       stderr);
            return false;
        }
        if (!x11)
            advice = "a Wayland session without XWayland needs Qt's Wayland plugin "
                     "(Debian's qt6-wayland)";
        const bool fallBack = x11 && wayland && waylandAnswers();
        qputenv("QT_QPA_PLATFORM", fallBack ? "xcb;wayland" : x11 ? "xcb" : "wayland");
    }
    // Only where nothing else is to be tried after Wayland.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("wayland") && !platform.contains(';') && !waylandAnswers()) {
        std::fprintf(stderr,
                     "fraction-trainer: no graphical display can be reached (no Wayland "
                     "compositor answers at %s); start the program from a desktop session\n",
                     waylandDisplay());
        return false;
    }
    passOn = qInstallMessageHandler(holdWhileConnecting);
    return true;
}

bool displayReady() {
    qInstallMessageHandler(passOn);
    // Qt paints nothing on a display of fewer colours (and has been seen to
    // crash there drawing a text cursor).
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() < 15) {
        std::fprintf(stderr,
                     "fraction-trainer: the display has %d-bit colour, and the windows need "
                     "15-bit colour or more; choose more colours for the display\n",
                     screen->depth());
        return false;
    }
    for (const HeldMessage& m : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        passOn(m.type, context, m.text);
    }
    return true;
}

namespace {

// In a Wayland session without XWayland, Qt draws the title bar itself, with
// minimize and maximize beside the close box whatever the window asks for. A
// window of fixed size that is maximized there ends the program (weston) or
// jumps into a corner (mutter), and one that is minimized where the desktop
// has no task bar cannot be brought back. Either request is answered by
// showing the window anew as it was: the compositor forgets the request with
// the surface it was made for.
class WaylandStateGuard final : public QObject {
public:
    explicit WaylandStateGuard(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && window_.windowHandle() && !watching_) {
            watching_ = true;
            connect(window_.windowHandle(), &QWindow::windowStateChanged, this,
                    &WaylandStateGuard::stateChanged);
        }
        return false;
    }

private:
    void stateChanged(Qt::WindowState state) {
        if (state == Qt::WindowNoState || state == Qt::WindowActive)
            return;
        window_.windowHandle()->setWindowStates(Qt::WindowNoState);
        window_.hide();
        window_.show();
    }

    QWidget& window_;
    bool watching_ = false;
};

} // namespace

void prepareWindow(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new WaylandStateGuard(window); // owned by the window
}

// Liberation Sans has Arial's metrics, and stands for MS Sans Serif too,
// whose letters are about as wide; DejaVu Sans, a seventh wider, lost the last
// letter of step 8's «Нет».
QString fontFamily(frontend::FontFace) {
    return QStringLiteral("Liberation Sans");
}

// One SVG unit to a pixel.
QImage drawPicture(const QString& source, QSize size, qreal ratio) {
    QSvgRenderer svg(source);
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
