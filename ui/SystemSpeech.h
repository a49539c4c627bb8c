#pragma once

// The system's own speech as the desktop program's voice uses it: what every
// face's speech does, and, for «Выход», word of when all that was asked has
// been said. Each system has its own (SpeechLinux.cpp, SpeechWindows.cpp);
// platform::makeSystemSpeech() gives the one that fits.

#include <functional>
#include <memory>

#include "frontend/Voice.h"

namespace ui {

class SystemSpeech : public frontend::SpeechOutput {
public:
    // Calls `done` once nothing is being said or waiting to be said any
    // more: at once when nothing is. A later call replaces an earlier one
    // that has not been made yet.
    virtual void whenQuiet(std::function<void()> done) = 0;
};

namespace platform {

// The system's speech. Cheap to make: it reaches the system's speech service
// only when first asked for a Russian voice, so that the program starts as
// fast with it as without.
std::unique_ptr<SystemSpeech> makeSystemSpeech();

} // namespace platform

} // namespace ui
