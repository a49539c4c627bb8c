#pragma once

// The main window "Form1", built from its layout table: the picture and the
// drawing surface beneath the 46 controls. It shows what the trainer tells it
// and reports clicks through its buttons; it decides nothing itself.
//
// Keyboard: Esc presses "Начало"; Enter in an answer box confirms that box's
// step, as a click on its "Да" does, and moves on to the next step's box; F2
// says the example and its worked solution so far to a screen reader.

#include <QWidget>
#include <array>

#include "engine/MainControls.h"
#include "ui/DrawingCanvas.h"
#include "ui/FormBuilder.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class Announcer;

class MainWindow final : public QWidget, public engine::MainControls {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    DrawingCanvas& surface() { return *canvas_; }

    // The push buttons, by their control names.
    QPushButton* startButton() const { return start_; }
    QPushButton* confirmButton(int step) const; // REQUIRES: 1 <= step <= 7
    QPushButton* nextButton() const { return next_; }
    QPushButton* resultsButton() const { return results_; }
    QPushButton* exitButton() const { return exit_; }
    QLineEdit* answerBox(int step) const; // REQUIRES: 1 <= step <= 7

    // engine::MainControls
    void setLabelCaption(engine::MainLabel label, std::string_view text) override;
    std::string labelCaption(engine::MainLabel label) const override;
    std::string answerText(int step) const override;
    void setAnswerText(int step, std::string_view text) override;
    bool isOption2Selected() const override;
    void moveStartButton(int left, int top) override;
    void showLastExampleMessage() override;
    void announce(std::string_view words) override;

    // The key that repeats the drawing in words.
    static constexpr Qt::Key kRepeatKey = Qt::Key_F2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void takeControls(const Form& form);
    void connectKeyboard();
    QLabel& label(engine::MainLabel which) const;

    DrawingCanvas* canvas_ = nullptr;
    Announcer* announcer_ = nullptr;
    // The controls the trainer reads and writes, from what the layout built.
    struct StepControls {
        QLineEdit* box = nullptr;
        QPushButton* confirm = nullptr;
    };
    std::array<StepControls, 8> steps_{}; // by step; 1..7 used
    std::array<QLabel*, 26> labels_{};    // by label number; 8..25 used
    QPushButton* start_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* results_ = nullptr;
    QPushButton* exit_ = nullptr;
    QRadioButton* option2_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace ui
