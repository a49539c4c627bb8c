#pragma once

// The keys of the key map, carried from a window's widgets to the wiring:
// each key that counts in the window is passed on with the name of the
// control that had the focus.

#include <functional>
#include <string_view>

#include "frontend/Commands.h"
#include "frontend/LayoutTypes.h"

class QWidget;

namespace ui {

class Form;

using KeyHandler = std::function<void(frontend::Key key, std::string_view focused)>;

void bindKeys(QWidget& window, const Form& form, const frontend::WindowLayout& layout,
              const KeyHandler& handler);

} // namespace ui
