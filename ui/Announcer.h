#pragma once

// Speaks a sentence to a screen reader without showing anything and without
// moving the keyboard focus: an unseen notification outside the window's
// client area, shown anew for every sentence. Screen readers read a
// notification as it appears, whichever control has the focus.

#include <QLabel>
#include <functional>
#include <string_view>

namespace ui {

// Where a window passes on each sentence it tells a screen reader, to be said
// aloud by the program's own voice as well.
using Aloud = std::function<void(std::string_view words)>;

class Announcer final : public QLabel {
public:
    // Lives in `window`, outside its client area.
    explicit Announcer(QWidget* window);

    // Says `words`; the same words said again are spoken again.
    void say(const QString& words);
};

} // namespace ui
