#pragma once

// The main window "Form1": its properties and its 46 controls.

#include "ui/LayoutTypes.h"

namespace ui {

const WindowLayout& mainWindowLayout();

} // namespace ui
