#pragma once

// The program as one object: the main window, the trainer with its random
// source, the results window, and the wiring of the pupil's clicks and keys
// to the trainer through the requests every face shares. main() only creates
// and shows it; tests drive it.

#include "engine/ClockRandom.h"
#include "engine/Trainer.h"
#include "frontend/Commands.h"
#include "ui/MainWindow.h"
#include "ui/ResultsWindowHost.h"

namespace app {

class TrainerApp {
public:
    // `random` is the shuffle's source, or nullptr for the program's own
    // clock-seeded one. It must outlive the app.
    explicit TrainerApp(engine::UniformSource* random = nullptr);
    TrainerApp(const TrainerApp&) = delete;
    TrainerApp& operator=(const TrainerApp&) = delete;

    ui::MainWindow& mainWindow() { return window_; }
    ui::ResultsWindowHost& results() { return results_; }
    const engine::Trainer& trainer() const { return trainer_; }

private:
    void connectButtons();
    void carryOut(const frontend::Request& request, bool byKey);

    // Declared so that the window outlives the trainer that refers to it.
    ui::MainWindow window_;
    engine::ClockRandom clockRandom_;
    ui::ResultsWindowHost results_;
    engine::Trainer trainer_;
};

} // namespace app
