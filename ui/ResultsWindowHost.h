#pragma once

// Keeps at most one results window: creates it on demand, shows it without an
// owner so that the main window stays usable, and forgets it once the pupil
// closes it, so that the next request creates it anew.

#include <QPointer>
#include <utility>

#include "engine/ResultsView.h"
#include "ui/ResultsWindow.h"

namespace ui {

class ResultsWindowHost final : public engine::ResultsView {
public:
    ResultsWindowHost() = default;
    ResultsWindowHost(const ResultsWindowHost&) = delete;
    ResultsWindowHost& operator=(const ResultsWindowHost&) = delete;
    ~ResultsWindowHost() override;

    void open() override;
    void setValue(engine::ResultLabel label, std::string_view text) override;
    void announce(std::string_view words) override;
    void close() override;

    // The keys that count in the results windows go to `handler`.
    void bindKeys(KeyHandler handler) { keys_ = std::move(handler); }
    // The sentences the results windows tell a screen reader go to `aloud`.
    void sayAloudToo(Aloud aloud) { aloud_ = std::move(aloud); }

    // The open window, or nullptr once closed or never opened.
    ResultsWindow* window() const { return window_; }

private:
    QPointer<ResultsWindow> window_;
    KeyHandler keys_;
    Aloud aloud_;
};

} // namespace ui
