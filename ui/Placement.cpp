#include "ui/Placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ui {
namespace {

// One side: the start that keeps [start, start + length) within
// [areaStart, areaStart + areaLength), the area's start where it cannot.
int fitSide(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Windows of one program get the same frame: the best guess for a window
// the window system has not framed yet.
QMargins frameOfAnOpenWindow(const QWidget& window) {
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && !other->isMinimized())
            return frameOf(*other);
    }
    return {};
}

// Moves the window by its frame's corner where the frame fits, if the frame
// at `client` would not.
void moveToFit(QWidget& window, const QRect& client, const QMargins& frame) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect wanted = client.marginsAdded(frame);
    const QRect fitted = fitOnScreen(wanted, screen->availableGeometry());
    if (fitted != wanted)
        window.move(fitted.topLeft());
}

// Checks the window once, when it is first exposed and so framed, and then
// goes away.
class FirstShowCheck final : public QObject {
public:
    FirstShowCheck(QWidget& window, const QRect& client)
        : QObject(&window), window_(window), client_(client) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle()) {
            window_.windowHandle()->installEventFilter(this);
        } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
                   window_.windowHandle()->isExposed()) {
            // The same reckoning with the frame the window system gave, from
            // the layout's place, so that a guess too large moves it back.
            if (const QScreen* screen = window_.screen()) {
                const QRect fitted = fitOnScreen(client_.marginsAdded(frameOf(window_)),
                                                 screen->availableGeometry());
                if (fitted != window_.frameGeometry())
                    window_.move(fitted.topLeft());
            }
            watched->removeEventFilter(this);
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    const QRect client_;
};

} // namespace

QRect fitOnScreen(const QRect& wanted, const QRect& available) {
    return {fitSide(wanted.left(), wanted.width(), available.left(), available.width()),
            fitSide(wanted.top(), wanted.height(), available.top(), available.height()),
            wanted.width(), wanted.height()};
}

void placeOnScreen(QWidget& window, const QRect& client) {
    window.setGeometry(client);
    moveToFit(window, client, frameOfAnOpenWindow(window));
    new FirstShowCheck(window, client); // owned by the window
}

} // namespace ui
