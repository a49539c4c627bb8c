#pragma once

// What a face needs to show a window's controls where the screen is too small
// for the window (a phone, a narrow browser, text zoomed large): each
// control's role, the rows of one column with a step's controls side by side,
// and the order in which the controls stand, which Tab and a screen reader
// follow too.

#include <vector>

#include "frontend/LayoutTypes.h"

namespace frontend {

enum class ControlRole {
    Caption, // a label that names another control (a step's caption)
    Value,   // a label named by a caption, which the program fills
    Text,    // any other label: the counters, a step's echo and verdict
    Box,     // an answer box
    Button,
    Group,  // a frame round option buttons
    Choice, // an option button
};

ControlRole roleOf(const WindowLayout& window, const ControlLayout& control);

// A place in the column's grid. Row 1 holds the window's caption; a control
// with column 0 spans its row, one with column 1 to 4 shares its row with the
// other controls of its step (box, «Да», echo, verdict) or the counters.
struct ColumnPlace {
    const ControlLayout* control; // nullptr: the example's drawing
    int row;
    int column;
};

// The main window's controls of the window itself (not those in the frame)
// and its drawing, top to bottom: what stands above the steps, the drawing,
// the counters, each step's caption over its row, what stands below.
std::vector<ColumnPlace> columnPlaces(const WindowLayout& window);

// The window's own controls in the order they stand: the counters first,
// then the Tab chain with each step's caption just before its box and the
// step's echo and verdict just after its «Да» (an option button counts by
// its frame), then whatever takes no focus.
std::vector<const ControlLayout*> readingOrder(const WindowLayout& window);

} // namespace frontend
