#pragma once

// What every run of the windows needs before the first one is created: the
// accessibility of the program's own widgets, the toolkit's texts in Russian,
// and the style and fonts that make the program look the same on every
// desktop.

class QApplication;

namespace ui {

// Installs the accessible interfaces of the program's widgets and the
// toolkit's Russian texts; uses the program's style (Fusion, whose buttons are
// drawn in their palette colours) and the Liberation Sans face for the
// platform's own dialogs.
void prepareApplication(QApplication& app);

} // namespace ui
