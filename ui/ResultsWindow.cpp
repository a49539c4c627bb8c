#include "ui/ResultsWindow.h"

#include <QEvent>
#include <QLabel>
#include <utility>

#include "engine/Steps.h"
#include "frontend/ResultsWindowLayout.h"
#include "ui/Announcer.h"
#include "ui/FormBuilder.h"
#include "ui/Note.h"

namespace ui {

ResultsWindow::ResultsWindow(const KeyHandler& keys, Aloud aloud) : aloud_(std::move(aloud)) {
    const frontend::WindowLayout& layout = frontend::resultsWindowLayout();
    applyWindowLayout(*this, layout);
    setAttribute(Qt::WA_DeleteOnClose);
    const Form form = buildControls(*this, layout);
    takeValues(form);
    announcer_ = new Announcer(this);
    note_ = new Note(this);
    bindKeys(*this, form, layout, keys);
}

void ResultsWindow::takeValues(const Form& form) {
    using engine::ResultLabel;
    values_[static_cast<std::size_t>(ResultLabel::Label2)] = &form.get<QLabel>("Label2");
    values_[static_cast<std::size_t>(ResultLabel::Label4)] = &form.get<QLabel>("Label4");
    for (int k = 1; k <= engine::kSteps; ++k)
        values_[static_cast<std::size_t>(engine::errorsLabel(k))] =
            &form.get<QLabel>(engine::step(k).controls.resultsValue);
}

void ResultsWindow::announce(const QString& words) {
    if (isActiveWindow()) {
        say(words);
        return;
    }
    pending_ = words;
}

void ResultsWindow::say(const QString& words) {
    announcer_->say(words);
    if (aloud_)
        aloud_(words.toStdString());
}

void ResultsWindow::tellScreenReader(const QString& words) {
    announcer_->say(words);
}

void ResultsWindow::showNote(const QString& words) {
    note_->showWords(words);
}

void ResultsWindow::hideNote() {
    note_->hide();
}

bool ResultsWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !pending_.isEmpty())
        say(std::exchange(pending_, QString()));
    return handled;
}

void ResultsWindow::setValue(engine::ResultLabel label, std::string_view text) {
    values_[static_cast<std::size_t>(label)]->setText(toQString(text));
}

QString ResultsWindow::value(engine::ResultLabel label) const {
    return values_[static_cast<std::size_t>(label)]->text();
}

} // namespace ui
