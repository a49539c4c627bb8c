#include "ui/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "engine/Steps.h"
#include "engine/Trainer.h"
#include "frontend/Layout.h"
#include "frontend/MainWindowLayout.h"
#include "ui/Announcer.h"
#include "ui/Note.h"

namespace ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), form_(*this) {
    const frontend::WindowLayout& layout = frontend::mainWindowLayout();
    applyWindowLayout(*this, layout);
    canvas_ = new DrawingCanvas(layout, this); // first child: lowest in the stack
    form_ = buildControls(*this, layout);
    announcer_ = new Announcer(this);
    note_ = new Note(this);
    for (int k = 1; k <= engine::kTypedSteps; ++k) {
        // A box's first caret move reaches a screen reader ahead of its focus
        // and hides it; making that move now lets the first Tab into the box
        // be announced.
        answerBox(k)->setCursorPosition(0);
    }
}

void MainWindow::bindKeys(const KeyHandler& handler) {
    ui::bindKeys(*this, form_, frontend::mainWindowLayout(), handler);
}

void MainWindow::focusControl(std::string_view name) {
    // Not the Tab reason: a box entered by Tab selects its text first, and a
    // screen reader then takes the selection for the focus change and does
    // not say where the pupil is.
    form_.get<QWidget>(name).setFocus(Qt::OtherFocusReason);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        focusControl(frontend::firstFocus(frontend::mainWindowLayout()));
    }
}

QPushButton* MainWindow::button(std::string_view name) const {
    return &form_.get<QPushButton>(name);
}

QLineEdit* MainWindow::answerBox(int step) const {
    return &form_.get<QLineEdit>(engine::step(step).controls.answerBox);
}

QLabel& MainWindow::label(engine::MainLabel which) const {
    return form_.get<QLabel>(frontend::labelName(which));
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
    return form_.get<QRadioButton>("Option2").isChecked();
}

void MainWindow::moveStartButton(int left, int top) {
    QPushButton* start = button("cmd1");
    const frontend::StartButtonPlace place = frontend::startButtonPlace(left, top);
    start->move(place.left, place.top);
    if (!place.inView) {
        start->setFocusPolicy(Qt::NoFocus);
        if (start->hasFocus())
            focusControl(place.heir);
    }
}

std::string MainWindow::focusedControl() const {
    return focusedName(*this);
}

void MainWindow::announce(std::string_view words) {
    announcer_->say(toQString(words));
    if (aloud_)
        aloud_(words);
}

void MainWindow::tellScreenReader(const QString& words) {
    announcer_->say(words);
}

void MainWindow::showNote(const QString& words) {
    note_->showWords(words);
}

void MainWindow::hideNote() {
    note_->hide();
}

void MainWindow::showLastExampleMessage() {
    // A screen reader reads the box as it opens; the voice is told its text.
    if (aloud_)
        aloud_(engine::kLastExampleMessage);
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(engine::kMainCaption),
                    QString::fromUtf8(engine::kLastExampleMessage), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("lastExampleMessage"));
    box.exec();
}

} // namespace ui
