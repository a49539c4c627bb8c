#pragma once

// What the windows tell a screen reader beyond their captions. Every label and
// button keeps Qt's own accessible name, its visible caption; the tables in
// Accessibility.cpp add the descriptions that a caption alone does not give
// («Да» of which step, which count a bare number is), name the answer boxes
// after their step captions, and pair each caption of the results window with
// its value. Nothing here changes what the windows show.

#include <QString>
#include <span>

#include "ui/DrawingCanvas.h"

class QWidget;

namespace ui {

// Applies the main window's descriptions and names to the controls built from
// its layout table. Called once, from the window's constructor.
void describeMainWindow(QWidget& window);

// Applies the results window's descriptions and caption-value pairs. Called
// once, from the window's constructor.
void describeResultsWindow(QWidget& window);

// The drawing surface's words for a screen reader: what `items` (the prints
// of the example and of its worked solution, at the places the trainer prints
// them) show, in Russian, or that no example is drawn yet when there are none.
QString describeDrawing(std::span<const DrawingCanvas::PrintedItem> items);

} // namespace ui
