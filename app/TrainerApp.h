#pragma once

// The program as one object: the main window, the trainer with its random
// source, the results window, the program's own voice, and the wiring of the
// pupil's clicks and keys to the trainer through the requests every face
// shares. main() only creates and shows it; tests drive it.

#include <memory>
#include <string_view>

#include "engine/ClockRandom.h"
#include "engine/Trainer.h"
#include "frontend/Commands.h"
#include "frontend/Voice.h"
#include "ui/MainWindow.h"
#include "ui/PupilWatch.h"
#include "ui/ResultsWindowHost.h"
#include "ui/SystemSpeech.h"

namespace app {

class TrainerApp {
public:
    // `random` is the shuffle's source, or nullptr for the program's own
    // clock-seeded one; `speech` the voice's, or nullptr for the system's.
    // Both must outlive the app.
    explicit TrainerApp(engine::UniformSource* random = nullptr,
                        ui::SystemSpeech* speech = nullptr);
    TrainerApp(const TrainerApp&) = delete;
    TrainerApp& operator=(const TrainerApp&) = delete;

    ui::MainWindow& mainWindow() { return window_; }
    ui::ResultsWindowHost& results() { return results_; }
    const engine::Trainer& trainer() const { return trainer_; }
    const frontend::Voice& voice() const { return voice_; }

private:
    void connectButtons();
    void connectVoice();
    void pupilActed();
    void carryOut(const frontend::Request& request, bool byKey, std::string_view window);
    void toggleVoice(std::string_view window);
    void exit();

    // Declared so that the window outlives the trainer that refers to it.
    ui::MainWindow window_;
    engine::ClockRandom clockRandom_;
    ui::ResultsWindowHost results_;
    engine::Trainer trainer_;
    std::unique_ptr<ui::SystemSpeech> systemSpeech_;
    ui::SystemSpeech& speech_;
    frontend::Voice voice_;
    ui::PupilWatch watch_;
    bool exiting_ = false;
};

} // namespace app
