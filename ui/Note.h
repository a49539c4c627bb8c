#pragma once

// A sentence shown to the pupil and the teacher over the bottom of a window,
// for a while: it takes no focus and no click, moves no control, and goes
// away at the pupil's next action or after some seconds. What the program
// says of its own voice where the system has none.

#include <QLabel>
#include <QTimer>

namespace ui {

class Note final : public QLabel {
public:
    // Lives in `window`, hidden until shown.
    explicit Note(QWidget* window);

    // Shows `words` over the bottom of the window, in front of its controls.
    void showWords(const QString& words);

private:
    QTimer expiry_;
};

} // namespace ui
