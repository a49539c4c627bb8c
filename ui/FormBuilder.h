#pragma once

// Turns a WindowLayout into a real window: the window's own properties, then
// one widget per ControlLayout, named after its control, stacked and chained
// in tab order as the table says, with what assistive technology is told of
// it. No control has code of its own here.

#include <QHash>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "frontend/LayoutTypes.h"

namespace ui {

// The controls a window was built with, by their names in its layout.
class Form {
public:
    explicit Form(QWidget& window) : window_(&window) {}

    // The control `name`, as the kind of widget the caller expects. A name
    // that the layout lacks, or a control of another kind, is a fault of the
    // program: it is reported as critical (the window tests fail on that) and
    // a hidden stand-in is returned, so that a pupil's run goes on without
    // the control.
    template <typename W> W& get(std::string_view name) const {
        if (auto* widget = qobject_cast<W*>(find(name)))
            return *widget;
        reportMissing(name);
        auto* standIn = new W(window_);
        standIn->hide();
        return *standIn;
    }

private:
    friend Form buildControls(QWidget& window, const frontend::WindowLayout& layout);
    QWidget* find(std::string_view name) const;
    void reportMissing(std::string_view name) const;

    QWidget* window_;
    QHash<QByteArray, QWidget*> byName_;
};

// Sets the window's name, caption, icon, fill, fixed client size, title-bar
// buttons and the screen position of its client area.
void applyWindowLayout(QWidget& window, const frontend::WindowLayout& layout);

// Creates every control of `layout` as a child of `window` (or of its frame),
// stacks them and chains the Tab order as the layout says, and gives each
// control its description and its naming caption.
Form buildControls(QWidget& window, const frontend::WindowLayout& layout);

// The name of the control of `window` that has the keyboard focus, or "".
std::string focusedName(const QWidget& window);

QColor toColor(std::uint32_t rgb);

// The engine's UTF-8 text as a caption.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A label that reads its own text to assistive technology, also when empty.
bool readsOwnText(const QObject& object);

} // namespace ui
