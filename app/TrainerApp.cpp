#include "app/TrainerApp.h"

#include <QApplication>
#include <QPushButton>

#include "frontend/MainWindowLayout.h"
#include "frontend/ResultsWindowLayout.h"

namespace app {

TrainerApp::TrainerApp(engine::UniformSource* random)
    : trainer_(window_, window_.surface(), results_, random ? *random : clockRandom_) {
    connectButtons();
}

void TrainerApp::connectButtons() {
    for (const frontend::ControlLayout& c : frontend::mainWindowLayout().controls) {
        if (const auto request = frontend::requestForClick(c.name))
            QObject::connect(window_.button(c.name), &QPushButton::clicked, &window_,
                             [this, r = *request] { carryOut(r, false); });
    }
    const auto keysIn = [this](const char* window) {
        return [this, window](frontend::Key key, std::string_view focused) {
            if (const auto request = frontend::requestForKey(window, key, focused))
                carryOut(*request, true);
        };
    };
    window_.bindKeys(keysIn(frontend::mainWindowLayout().name));
    results_.bindKeys(keysIn(frontend::resultsWindowLayout().name));
}

void TrainerApp::carryOut(const frontend::Request& request, bool byKey) {
    if (request.command == frontend::Command::Exit) {
        // "Выход" ends the program at once, whatever windows are open.
        QCoreApplication::quit();
        return;
    }
    frontend::perform(trainer_, request);
    // Bringing the results window to the front, and the main window back
    // when it closes, is the window system's own.
    const frontend::FocusMove move = frontend::focusAfter(request, byKey);
    if (move.kind == frontend::FocusMove::ToControl)
        window_.focusControl(move.control);
}

} // namespace app
