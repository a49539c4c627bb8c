#pragma once

// The main window "Form1": its properties and its 46 controls.

#include <string>

#include "engine/MainControls.h"
#include "frontend/LayoutTypes.h"

namespace frontend {

const WindowLayout& mainWindowLayout();

// The name of the label `label` in the layout ("Label11").
std::string labelName(engine::MainLabel label);

// Where "Начало" stands once the trainer has moved it to (left, top) twips:
// in pixels, and whether the pupil can still see it. A button out of view
// leaves the Tab chain and hands the focus, where it had it, to `heir`: the
// focus never rests where the pupil cannot see it.
struct StartButtonPlace {
    int left;
    int top;
    bool inView;
    const char* heir;
};
StartButtonPlace startButtonPlace(int left, int top);

} // namespace frontend
