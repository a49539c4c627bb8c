#pragma once

// The results window "Form2": its properties and its 21 labels.

#include "ui/LayoutTypes.h"

namespace ui {

const WindowLayout& resultsWindowLayout();

} // namespace ui
