#pragma once

// The results window as the engine fills it. A face keeps at most one such
// window: open() makes it when none is open, with its captions and its values
// empty, and the pupil's closing it (or close()) forgets it, so that the next
// open() makes it anew. While none is open, setValue and announce do nothing.

#include <string_view>

namespace engine {

// The value labels that the engine writes.
// clang-format off
enum class ResultLabel : int {
    Label2 = 2, // examples solved
    Label4 = 4, // total errors
    Label14 = 14, Label15, Label16, Label17, Label18, Label19, Label20, Label21, // steps 1..8
};
// clang-format on

// The count of step k's errors. REQUIRES: 1 <= k <= 8.
constexpr ResultLabel errorsLabel(int k) {
    return static_cast<ResultLabel>(13 + k);
}

class ResultsView {
public:
    virtual ~ResultsView() = default;

    // Creates the window if it does not exist (its values empty), shows it
    // without an owner and without blocking the main window, and activates it.
    virtual void open() = 0;

    virtual void setValue(ResultLabel label, std::string_view text) = 0;

    // Says `words` to a pupil who listens with a screen reader, once the
    // window is in front (held until then, so that the window's own name is
    // heard first).
    virtual void announce(std::string_view words) = 0;

    // Closes the window, if one is open; the main window takes the focus back.
    virtual void close() = 0;
};

} // namespace engine
