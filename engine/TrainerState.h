#pragma once

// The trainer's one state record, owned by the main window for the life of the
// program and never saved. Every field starts at 0; exampleNumber == 0 means
// that no run has been started.
//
// The 1-based tables keep the numbering the pupil sees (example positions
// 1..21, steps 1..8): element 0 of each array is unused and stays 0.

#include <array>

#include "engine/Catalogue.h"

namespace engine {

inline constexpr int kTypedSteps = 7; // steps 1..7 are answered in a box
inline constexpr int kSteps = 8;      // step 8 is the reducibility question

struct TrainerState {
    std::array<int, kExampleCount + 1> exampleOrder{}; // position -> example id
    int exampleNumber = 0;                             // position on screen, 1..21
    int fillIndex = 0;                                 // shuffle: next slot to fill
    int commonDenominator = 0;
    int exampleId = 0;
    int scanIndex = 0; // shuffle: duplicate-scan index
    int nextPressCount = 0;
    std::array<int, kSteps + 1> stepErrors{}; // errors per step over the whole run
    int totalErrors = 0;
    int candidate = 0; // shuffle: the id being tried
    double enteredValue = 0.0;
    int numerator1 = 0;
    int denominator1 = 0;
    int numerator2 = 0;
    int denominator2 = 0;
    std::array<int, kTypedSteps + 1> stepAnswered{}; // 1 once step k is judged
    // True once the 21st example has been settled by "Ещё пример": from then
    // on no step is judged and later presses only repeat the message.
    bool lastExampleSettled = false;
};

// Makes the example at position exampleNumber of exampleOrder the current one.
// REQUIRES: 1 <= state.exampleNumber <= 21 and exampleOrder filled.
void loadCurrentExample(TrainerState& state);

// Sets totalErrors to the sum of stepErrors[1..8] and returns it.
int recomputeTotalErrors(TrainerState& state);

} // namespace engine
