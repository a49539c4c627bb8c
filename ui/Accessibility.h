#pragma once

// What the windows tell a screen reader beyond their captions. Every label and
// button keeps Qt's own accessible name, its visible caption; the tables in
// Accessibility.cpp add the descriptions that a caption alone does not give
// («Да» of which step, which count a bare number is), name the answer boxes
// after their step captions, and pair each caption of the results window with
// its value. Nothing here changes what the windows show.

class QWidget;

namespace ui {

// Makes the drawing surface a picture, the announcers notifications and the
// results window's values read as they stand. Call once, before the first
// window is created: Qt keeps the first accessible interface it makes for a
// widget.
void installAccessibility();

// Applies the main window's descriptions and names to the controls built from
// its layout table. Called once, from the window's constructor.
void describeMainWindow(QWidget& window);

// Applies the results window's descriptions and caption-value pairs. Called
// once, from the window's constructor.
void describeResultsWindow(QWidget& window);

} // namespace ui
