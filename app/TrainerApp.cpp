#include "app/TrainerApp.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "engine/Narration.h"
#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace app {
namespace {

// How long «Выход» waits at most for the voice to say that the work ended.
constexpr int kExitWordsMilliseconds = 3000;

} // namespace

TrainerApp::TrainerApp(engine::UniformSource* random, ui::SystemSpeech* speech)
    : trainer_(window_, window_.surface().trainerSurface(), results_,
               random ? *random : clockRandom_),
      systemSpeech_(speech ? nullptr : ui::platform::makeSystemSpeech()),
      speech_(speech ? *speech : *systemSpeech_), voice_(speech_),
      watch_([this] { pupilActed(); },
             [this](const frontend::WindowLayout* layout, std::string_view control) {
                 voice_.focusCame(layout, control);
             }) {
    connectButtons();
    connectVoice();
}

void TrainerApp::connectButtons() {
    const char* main = frontend::mainWindowLayout().name;
    for (const frontend::ControlLayout& c : frontend::mainWindowLayout().controls) {
        if (const auto request = frontend::requestForClick(c.name))
            QObject::connect(window_.button(c.name), &QPushButton::clicked, &window_,
                             [this, r = *request, main] { carryOut(r, false, main); });
    }
    const auto keysIn = [this](const char* window) {
        return [this, window](frontend::Key key, std::string_view focused) {
            if (const auto request = frontend::requestForKey(window, key, focused))
                carryOut(*request, true, window);
        };
    };
    window_.bindKeys(keysIn(main));
    results_.bindKeys(keysIn(frontend::resultsWindowLayout().name));
}

// The sentences a screen reader is told are said aloud as they are told.
void TrainerApp::connectVoice() {
    const auto aloud = [this](std::string_view words) { voice_.say(words); };
    window_.sayAloudToo(aloud);
    results_.sayAloudToo(aloud);
}

// Before the windows act on it: what the voice still says of an earlier
// action is cut off by the next sentence, and the note of a missing voice
// goes (F3 shows it again).
void TrainerApp::pupilActed() {
    voice_.pupilActed();
    window_.hideNote();
    if (ui::ResultsWindow* results = results_.window())
        results->hideNote();
}

void TrainerApp::carryOut(const frontend::Request& request, bool byKey, std::string_view window) {
    if (exiting_)
        return;
    using Kind = frontend::Outcome::Kind;
    const frontend::Outcome next = frontend::carryOut(trainer_, request, byKey);
    switch (next.kind) {
    case Kind::FocusControl:
        window_.focusControl(next.control);
        break;
    case Kind::ToggleVoice:
        toggleVoice(window);
        break;
    case Kind::End:
        exit();
        break;
    // Bringing the results window to the front, and the main window back
    // when it closes, is the window system's own.
    case Kind::FocusResults:
    case Kind::BackToMain:
    case Kind::Stay:
        break;
    }
}

// The voice says its own switch aloud; a screen reader is told it by the
// window F3 was pressed in, and where there is no Russian voice the window
// shows it too.
void TrainerApp::toggleVoice(std::string_view window) {
    const frontend::VoiceSwitch s = voice_.toggle();
    const QString words = QString::fromUtf8(s.words);
    ui::ResultsWindow* results = results_.window();
    if (results && window == frontend::resultsWindowLayout().name) {
        results->tellScreenReader(words);
        if (s.noVoice)
            results->showNote(words);
        return;
    }
    window_.tellScreenReader(words);
    if (s.noVoice)
        window_.showNote(words);
}

// "Выход" ends the program at once, whatever windows are open; with the voice
// on, once it has said so.
void TrainerApp::exit() {
    if (!voice_.isOn()) {
        QCoreApplication::quit();
        return;
    }
    exiting_ = true;
    voice_.say(engine::kExitWords);
    speech_.whenQuiet([] { QCoreApplication::quit(); });
    QTimer::singleShot(kExitWordsMilliseconds, qApp, [] { QCoreApplication::quit(); });
}

} // namespace app
