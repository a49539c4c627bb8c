#pragma once

// Watches the pupil in every window of the program, for the program's voice:
// each key, click or touch, before the window acts on it, and each move of
// the keyboard focus, named by the window's layout and the control's name
// ("" for the window itself). What of it is said, the voice decides
// (frontend::Voice::focusCame).

#include <QObject>
#include <functional>
#include <string_view>

#include "frontend/LayoutTypes.h"

class QWidget;
class QWindow;

namespace ui {

class PupilWatch final : public QObject {
public:
    using Acted = std::function<void()>;
    // The window by its layout, nullptr for one of none (a message box).
    using FocusCame =
        std::function<void(const frontend::WindowLayout* window, std::string_view control)>;

    // Watches the application object, which must exist, until destroyed.
    PupilWatch(Acted acted, FocusCame focusCame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWidget* now);
    void windowActivated(QWindow* window);

    Acted acted_;
    FocusCame focusCame_;
};

} // namespace ui
