#pragma once

// The results window "Form2": its properties and its 21 labels.

#include "frontend/LayoutTypes.h"

namespace frontend {

const WindowLayout& resultsWindowLayout();

} // namespace frontend
