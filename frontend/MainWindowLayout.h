#pragma once

// The main window "Form1": its properties and its 46 controls.

#include "frontend/LayoutTypes.h"

namespace frontend {

const WindowLayout& mainWindowLayout();

} // namespace frontend
