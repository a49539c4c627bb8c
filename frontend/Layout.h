#pragma once

// What a face reads off a window's layout besides the rows themselves: the
// control of a name, the words assistive technology is told of it, the order
// in which Tab visits the controls, which control lies above which, and
// whether a control that was moved still lies in view.

#include <string>
#include <string_view>
#include <vector>

#include "frontend/LayoutTypes.h"

namespace frontend {

// The row of `name` in `window`, or nullptr where it has none.
const ControlLayout* findControl(const WindowLayout& window, std::string_view name);

// Whether a control of this kind takes the keyboard focus.
bool takesFocus(ControlKind kind);

// The description of a control: its sentence with %1 filled in with the
// number of its step and %2 with that step's name; "" for none.
std::string describe(const Description& description);

// The controls that take the focus, in the order Tab visits them: by tab
// index, whatever their place in the table.
std::vector<const ControlLayout*> tabChain(const WindowLayout& window);

// The control that has the focus when the window first shows, and that takes
// it from a control that leaves the view: the first of the Tab chain.
const char* firstFocus(const WindowLayout& window);

// Where a control lies in the stack of its window: boxes, buttons and the
// frame (1) above the labels (0). Within a level, a later row of the table
// lies above an earlier one, so that a verdict label covers its echo label.
int stackLevel(const ControlLayout& control);

// Whether `control`, moved to (left, top) twips with its size kept, still
// overlaps its window's client area, and so can be seen and take the focus.
bool liesInView(const WindowLayout& window, const ControlLayout& control, int left, int top);

} // namespace frontend
