#pragma once

// The results window "Form2", built from its layout table: captions and value
// labels only. It is a snapshot, changed only when the trainer fills it.
// A screen reader hears the whole summary when it is filled.

#include <QWidget>
#include <array>

#include "engine/ResultsView.h"
#include "ui/Announcer.h"
#include "ui/FormBuilder.h"
#include "ui/KeyBindings.h"

class QLabel;

namespace ui {

class Note;

class ResultsWindow final : public QWidget {
public:
    // Created without an owner and destroyed when the pupil closes it; the
    // keys that count in it go to `keys`, the sentences it tells a screen
    // reader to `aloud` as well.
    ResultsWindow(const KeyHandler& keys, Aloud aloud);

    void setValue(engine::ResultLabel label, std::string_view text);
    QString value(engine::ResultLabel label) const;

    // Says `words` to a screen reader once the window is in front, after
    // its title.
    void announce(const QString& words);
    // Tells a screen reader `words` at once, and nothing else.
    void tellScreenReader(const QString& words);
    // Shows `words` in a note over the bottom of the window for a while.
    void showNote(const QString& words);
    void hideNote();

protected:
    bool event(QEvent* event) override;

private:
    void takeValues(const Form& form);
    void say(const QString& words);

    Announcer* announcer_ = nullptr;
    Note* note_ = nullptr;
    Aloud aloud_;
    QString pending_;                  // words waiting for the window to come to the front
    std::array<QLabel*, 22> values_{}; // by label number; 2, 4 and 14..21 used
};

} // namespace ui
