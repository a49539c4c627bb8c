#include "ui/Announcer.h"

#include "ui/Platform.h"

namespace ui {

Announcer::Announcer(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("announcer"));
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Above and to the left of the client area: never painted, never clicked.
    setGeometry(-10, -10, 1, 1);
    hide();
}

void Announcer::say(const QString& words) {
    // A screen reader speaks the notification when it becomes visible.
    hide();
    setText(words);
    show();
    platform::announce(*this, words);
}

} // namespace ui
