#include "ui/PupilWatch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace ui {
namespace {

const frontend::WindowLayout* layoutOf(const QWidget* window) {
    for (const frontend::WindowLayout* layout :
         {&frontend::mainWindowLayout(), &frontend::resultsWindowLayout()}) {
        if (window && window->objectName() == QLatin1String(layout->name))
            return layout;
    }
    return nullptr;
}

} // namespace

PupilWatch::PupilWatch(Acted acted, FocusCame focusCame)
    : acted_(std::move(acted)), focusCame_(std::move(focusCame)) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    // A window with no control to take the focus (the results window) gets
    // no focus change of its own.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PupilWatch::windowActivated);
}

bool PupilWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    // A key that is a shortcut is offered as an override first and then
    // never arrives as a key press.
    case QEvent::ShortcutOverride:
        acted_();
        break;
    // Counted as they reach the window, before the widget under them: a
    // press gives that widget the focus, whose words must not be taken for
    // an earlier action's by the press arriving at the widget after them.
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        if (watched->isWindowType())
            acted_();
        break;
    default:
        break;
    }
    return false;
}

void PupilWatch::focusChanged(QWidget* now) {
    if (!now || now == control_)
        return;
    QWidget* window = now->window();
    const frontend::WindowLayout* layout = layoutOf(window);
    const bool anotherWindow = window != window_;
    window_ = window;
    control_ = now;
    // A message box says itself; the window the focus comes back to is said
    // again afterwards.
    if (!layout)
        return;
    if (anotherWindow)
        focusCame_(*layout, "");
    if (now != window)
        focusCame_(*layout, now->objectName().toStdString());
}

void PupilWatch::windowActivated(QWindow* handle) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() != handle || window == window_)
            continue;
        window_ = window;
        const frontend::WindowLayout* layout = layoutOf(window);
        if (!layout)
            return;
        focusCame_(*layout, "");
        QWidget* focused = QApplication::focusWidget();
        if (focused && focused != window && window->isAncestorOf(focused) && focused != control_) {
            control_ = focused;
            focusCame_(*layout, focused->objectName().toStdString());
        }
        return;
    }
}

} // namespace ui
