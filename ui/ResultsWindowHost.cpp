#include "ui/ResultsWindowHost.h"

namespace ui {

ResultsWindowHost::~ResultsWindowHost() {
    delete window_.data();
}

void ResultsWindowHost::open() {
    if (!window_)
        window_ = new ResultsWindow();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ResultsWindowHost::setValue(engine::ResultLabel label, std::string_view text) {
    if (window_)
        window_->setValue(label, text);
}

} // namespace ui
