#include "ui/KeyBindings.h"

#include <QLineEdit>
#include <QShortcut>

#include "ui/FormBuilder.h"

namespace ui {
namespace {

QKeySequence sequenceOf(frontend::Key key) {
    switch (key) {
    case frontend::Key::Escape:
        return QKeySequence(Qt::Key_Escape);
    case frontend::Key::F2:
        return QKeySequence(Qt::Key_F2);
    case frontend::Key::F3:
        return QKeySequence(Qt::Key_F3);
    case frontend::Key::Enter:
        break;
    }
    return QKeySequence(Qt::Key_Return);
}

} // namespace

void bindKeys(QWidget& window, const Form& form, const frontend::WindowLayout& layout,
              const KeyHandler& handler) {
    for (const frontend::KeyBinding& b : frontend::kKeyMap) {
        if (std::string_view(b.window) != layout.name)
            continue;
        if (b.scope == frontend::Scope::Window) {
            auto* shortcut = new QShortcut(sequenceOf(b.key), &window);
            QObject::connect(
                shortcut, &QShortcut::activated, &window,
                [&window, handler, key = b.key] { handler(key, focusedName(window)); });
            continue;
        }
        // Enter and the keypad's Enter alike, as a box reports them.
        for (const frontend::ControlLayout& c : layout.controls) {
            if (c.kind != frontend::ControlKind::TextBox)
                continue;
            QObject::connect(&form.get<QLineEdit>(c.name), &QLineEdit::returnPressed, &window,
                             [handler, key = b.key, name = c.name] { handler(key, name); });
        }
    }
}

} // namespace ui
