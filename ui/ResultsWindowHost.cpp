#include "ui/ResultsWindowHost.h"

#include "ui/FormBuilder.h"

namespace ui {

ResultsWindowHost::~ResultsWindowHost() {
    delete window_.data();
}

void ResultsWindowHost::open() {
    if (!window_)
        window_ = new ResultsWindow(keys_, aloud_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ResultsWindowHost::announce(std::string_view words) {
    if (window_)
        window_->announce(toQString(words));
}

void ResultsWindowHost::close() {
    if (window_)
        window_->close();
}

void ResultsWindowHost::setValue(engine::ResultLabel label, std::string_view text) {
    if (window_)
        window_->setValue(label, text);
}

} // namespace ui
