#pragma once

// The trainer's button handlers: each press runs to completion on the
// interface thread and works on the one TrainerState through the window's
// controls and drawing surface. The window wires its clicks here and never
// decides anything itself.

#include <string>

#include "engine/DrawingSurface.h"
#include "engine/MainControls.h"
#include "engine/ResultsView.h"
#include "engine/TrainerState.h"
#include "engine/UniformSource.h"

namespace engine {

// Where "Начало" moves itself: beyond the right edge of the client area.
inline constexpr int kStartButtonHiddenLeft = 19000;
inline constexpr int kStartButtonHiddenTop = 4000;

// Advancing presses of "Ещё пример" in a run: they lead from the 1st to the
// 21st example.
inline constexpr int kAdvancingPresses = kExampleCount - 1;

// The counters' captions, set at the start.
inline constexpr const char* kExampleNumberCaption = "Пример:";
inline constexpr const char* kErrorCountCaption = "Ошибок:";

inline constexpr const char* kLastExampleMessage = "Это последний пример. Посмотрите результат.";
inline constexpr const char* kMainCaption = "Сложение и вычитание обыкновенных дробей";

class Trainer {
public:
    // The references must outlive the trainer. Tells the surface that
    // nothing is drawn yet.
    Trainer(MainControls& controls, DrawingSurface& surface, ResultsView& results,
            UniformSource& random);
    Trainer(const Trainer&) = delete;
    Trainer& operator=(const Trainer&) = delete;

    // "Начало": moves itself out of view; the first press also shuffles the
    // order, shows "Пример:" 1 and "Ошибок:" 0 and draws the first example.
    void pressStart();

    // "Да" of step k. REQUIRES: 1 <= k <= 7.
    void pressConfirm(int step);

    // "Ещё пример": settles the example on screen (step 8 and the skipped
    // steps) and shows the next one. The first press after the 21st example
    // settles that one and shows the last-example message; later presses only
    // show the message.
    void pressNext();

    // "Результат": shows the summary in the results window.
    void pressResults();

    // Says the example and its worked solution as far as it is drawn, or that
    // none is shown yet; changes nothing on screen.
    void repeatExample();

    // Closes the results window.
    void closeResults();

    const TrainerState& state() const { return state_; }

private:
    void settleExample();
    // Draws the loaded example, describes it and says it aloud.
    void showExample();
    // What the surface shows now, in words.
    std::string drawnWords() const;

    TrainerState state_;
    MainControls& controls_;
    DrawingSurface& surface_;
    ResultsView& results_;
    UniformSource& random_;
};

} // namespace engine
