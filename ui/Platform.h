#pragma once

// What differs between the systems the program runs on, said in one place.
// Each system has its own implementation file (PlatformLinux.cpp for the
// Linux desktops, X11 and Wayland alike); the build picks the one that fits.
// The system's speech, for the program's own voice, is said in
// SystemSpeech.h, with one file per system too (SpeechLinux.cpp,
// SpeechWindows.cpp).
// The windows and the trainer never ask which system they run on.

#include <QImage>
#include <QSize>
#include <QString>

#include "frontend/LayoutTypes.h"

class QWidget;

namespace ui::platform {

// Prepares the process before the application object exists: chooses how
// the windows reach the screen. Returns false, after saying why in one line
// on stderr, when no window system can be reached; the program then ends
// with status 1.
bool prepareDisplay();

// Runs once the application object exists, before any window is shown.
// Returns false, after saying why in one line on stderr, when the display
// that was reached cannot show the windows; the program then ends with
// status 1.
bool displayReady();

// Readies a window of the program, built from its layout and not yet shown,
// for this system's window manager, so that it keeps the fixed size and the
// close box alone that its layout gives it.
void prepareWindow(QWidget& window);

// The face that stands for `face` of the layout on this system.
QString fontFamily(frontend::FontFace face);

// The window picture at `ratio` device pixels per pixel over `size` pixels,
// drawn from what this system's build holds of it (`source`, a resource
// path); a null image when it holds nothing sharper than the pixels stored
// for ratio 1, which are then scaled.
QImage drawPicture(const QString& source, QSize size, qreal ratio);

// Tells this system's screen readers that the unseen notification
// `announcer`, just shown anew, says `words`, where its appearing alone
// does not reach them.
void announce(QWidget& announcer, const QString& words);

} // namespace ui::platform
