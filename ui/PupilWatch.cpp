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

// Each change is passed on; what has been said already the voice knows.
void PupilWatch::focusChanged(QWidget* now) {
    if (!now)
        return;
    QWidget* window = now->window();
    focusCame_(layoutOf(window), now == window ? "" : now->objectName().toStdString());
}

void PupilWatch::windowActivated(QWindow* handle) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() != handle)
            continue;
        const QWidget* focused = QApplication::focusWidget();
        const bool inside = focused && focused != window && window->isAncestorOf(focused);
        focusCame_(layoutOf(window), inside ? focused->objectName().toStdString() : "");
        return;
    }
}

} // namespace ui
