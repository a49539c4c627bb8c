#include "ui/MainWindow.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <cassert>

#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "ui/Announcer.h"
#include "ui/FormBuilder.h"
#include "ui/MainWindowLayout.h"

namespace ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    const WindowLayout& layout = mainWindowLayout();
    applyWindowLayout(*this, layout);
    canvas_ = new DrawingCanvas(layout, this); // first child: lowest in the stack
    takeControls(buildControls(*this, layout));
    announcer_ = new Announcer(this);
    connectKeyboard();
}

void MainWindow::takeControls(const Form& form) {
    for (int k = 1; k <= engine::kTypedSteps; ++k) {
        const engine::StepControls& names = engine::step(k).controls;
        steps_[static_cast<std::size_t>(k)] = {&form.get<QLineEdit>(names.answerBox),
                                               &form.get<QPushButton>(names.confirmButton)};
        labels_[static_cast<std::size_t>(engine::echoLabel(k))] =
            &form.get<QLabel>(names.echoLabel);
        labels_[static_cast<std::size_t>(engine::verdictLabel(k))] =
            &form.get<QLabel>(names.verdictLabel);
    }
    using engine::MainLabel;
    for (const auto& [which, name] : {std::pair{MainLabel::Label8, "Label8"},
                                      {MainLabel::Label9, "Label9"},
                                      {MainLabel::Label10, "Label10"},
                                      {MainLabel::Label11, "Label11"}})
        labels_[static_cast<std::size_t>(which)] = &form.get<QLabel>(name);
    start_ = &form.get<QPushButton>("cmd1");
    next_ = &form.get<QPushButton>("Command9");
    results_ = &form.get<QPushButton>("Command10");
    exit_ = &form.get<QPushButton>("Command8");
    option2_ = &form.get<QRadioButton>("Option2");
}

void MainWindow::connectKeyboard() {
    // "Начало" is the window's cancel button: Esc presses it wherever the
    // focus is, also after it has moved out of view.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, start_, &QPushButton::click);
    auto* repeat = new QShortcut(QKeySequence(kRepeatKey), this);
    connect(repeat, &QShortcut::activated, this,
            [this] { announcer_->say(canvas_->accessibleDescription()); });
    for (int k = 1; k <= engine::kTypedSteps; ++k) {
        QLineEdit* box = answerBox(k);
        QPushButton* confirm = confirmButton(k);
        QWidget* following = k < engine::kTypedSteps ? static_cast<QWidget*>(answerBox(k + 1))
                                                     : static_cast<QWidget*>(next_);
        connect(box, &QLineEdit::returnPressed, this, [confirm, following] {
            confirm->click();
            // Not the Tab reason: a box entered by Tab selects its text first,
            // and a screen reader then takes the selection for the focus
            // change and does not say where the pupil is.
            following->setFocus(Qt::OtherFocusReason);
        });
        // A box's first caret move reaches a screen reader ahead of its focus
        // and hides it; making that move now lets the first Tab into the box
        // be announced.
        box->setCursorPosition(0);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        answerBox(1)->setFocus(Qt::OtherFocusReason);
    }
}

QPushButton* MainWindow::confirmButton(int step) const {
    assert(step >= 1 && step <= engine::kTypedSteps);
    return steps_[static_cast<std::size_t>(step)].confirm;
}

QLineEdit* MainWindow::answerBox(int step) const {
    assert(step >= 1 && step <= engine::kTypedSteps);
    return steps_[static_cast<std::size_t>(step)].box;
}

QLabel& MainWindow::label(engine::MainLabel which) const {
    return *labels_[static_cast<std::size_t>(which)];
}

void MainWindow::setLabelCaption(engine::MainLabel which, std::string_view text) {
    label(which).setText(toQString(text));
}

std::string MainWindow::labelCaption(engine::MainLabel which) const {
    return label(which).text().toStdString();
}

std::string MainWindow::answerText(int step) const {
    return answerBox(step)->text().toStdString();
}

void MainWindow::setAnswerText(int step, std::string_view text) {
    answerBox(step)->setText(toQString(text));
}

bool MainWindow::isOption2Selected() const {
    return option2_->isChecked();
}

void MainWindow::moveStartButton(int left, int top) {
    start_->move(twipsToPixels(left), twipsToPixels(top));
    // Out of view, the button leaves the Tab chain: the keyboard focus must
    // never rest where the pupil cannot see it, so it goes to the first step.
    // Esc still presses the button.
    if (!rect().intersects(start_->geometry())) {
        start_->setFocusPolicy(Qt::NoFocus);
        if (start_->hasFocus())
            answerBox(1)->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::announce(std::string_view words) {
    QString text = toQString(words);
    // A step confirmed with Space on its «Да» leaves the focus there, and a
    // screen reader says nothing of a focus that did not move: say it here.
    for (int k = 1; k <= engine::kTypedSteps; ++k) {
        if (confirmButton(k)->hasFocus())
            text += QStringLiteral(" Фокус на кнопке Да шага %1.").arg(k);
    }
    announcer_->say(text);
}

void MainWindow::showLastExampleMessage() {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(engine::kMainCaption),
                    QString::fromUtf8(engine::kLastExampleMessage), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("lastExampleMessage"));
    box.exec();
}

} // namespace ui
