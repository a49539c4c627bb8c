#include "ui/ResultsWindow.h"

#include <QLabel>

#include "ui/Accessibility.h"
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
}

void ResultsWindow::setValue(engine::ResultLabel label, std::string_view text) {
    labels_[static_cast<std::size_t>(label)]->setText(toQString(text));
}

QString ResultsWindow::value(engine::ResultLabel label) const {
    return labels_[static_cast<std::size_t>(label)]->text();
}

} // namespace ui
