#include "ui/ResultsWindow.h"

#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <utility>

#include "ui/Accessibility.h"
#include "ui/Announcer.h"
#include "ui/FormBuilder.h"
#include "ui/ResultsWindowLayout.h"

namespace ui {

ResultsWindow::ResultsWindow() {
    const WindowLayout& layout = resultsWindowLayout();
    applyWindowLayout(*this, layout);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(*this, layout);
    for (int n = 1; n <= 21; ++n)
        labels_[static_cast<std::size_t>(n)] = findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
    describeResultsWindow(*this);
    announcer_ = new Announcer(this);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void ResultsWindow::announce(const QString& words) {
    if (isActiveWindow()) {
        announcer_->say(words);
        return;
    }
    pending_ = words;
}

bool ResultsWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !pending_.isEmpty())
        announcer_->say(std::exchange(pending_, QString()));
    return handled;
}

void ResultsWindow::setValue(engine::ResultLabel label, std::string_view text) {
    labels_[static_cast<std::size_t>(label)]->setText(toQString(text));
}

QString ResultsWindow::value(engine::ResultLabel label) const {
    return labels_[static_cast<std::size_t>(label)]->text();
}

} // namespace ui
