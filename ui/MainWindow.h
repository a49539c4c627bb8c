#pragma once

// The main window "Form1", built from its layout table: the picture and the
// drawing surface beneath the 46 controls. It shows what the trainer tells it
// and passes the pupil's clicks and keys on by the controls' names; it
// decides nothing itself.

#include <QWidget>
#include <string_view>

#include "engine/MainControls.h"
#include "ui/DrawingCanvas.h"
#include "ui/Announcer.h"
#include "ui/FormBuilder.h"
#include "ui/KeyBindings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Note;

class MainWindow final : public QWidget, public engine::MainControls {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    DrawingCanvas& surface() { return *canvas_; }
    // The controls, by their names in the layout.
    QPushButton* button(std::string_view name) const;
    QLineEdit* answerBox(int step) const; // REQUIRES: 1 <= step <= 7

    // Passes the keys of the key map that count in this window on to `handler`.
    void bindKeys(const KeyHandler& handler);
    // Gives the keyboard focus to the control `name`.
    void focusControl(std::string_view name);

    // Every sentence the trainer tells the pupil, and the last-example
    // message, goes to `aloud` too.
    void sayAloudToo(Aloud aloud) { aloud_ = std::move(aloud); }
    // Tells a screen reader `words`, and nothing else.
    void tellScreenReader(const QString& words);
    // Shows `words` in a note over the bottom of the window for a while.
    void showNote(const QString& words);
    void hideNote();

    // engine::MainControls
    void setLabelCaption(engine::MainLabel label, std::string_view text) override;
    std::string labelCaption(engine::MainLabel label) const override;
    std::string answerText(int step) const override;
    void setAnswerText(int step, std::string_view text) override;
    bool isOption2Selected() const override;
    void moveStartButton(int left, int top) override;
    std::string focusedControl() const override;
    void showLastExampleMessage() override;
    void announce(std::string_view words) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel& label(engine::MainLabel which) const;

    DrawingCanvas* canvas_ = nullptr;
    Form form_;
    Announcer* announcer_ = nullptr;
    Note* note_ = nullptr;
    Aloud aloud_;
    bool shownOnce_ = false;
};

} // namespace ui
