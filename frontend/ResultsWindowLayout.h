#pragma once

// The results window "Form2": its properties and its 21 labels.

#include <string>

#include "engine/ResultsView.h"
#include "frontend/LayoutTypes.h"

namespace frontend {

const WindowLayout& resultsWindowLayout();

// The name of the label `label` in the layout ("Label14").
std::string labelName(engine::ResultLabel label);

} // namespace frontend
