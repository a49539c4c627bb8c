#pragma once

// Judging the pupil's steps: the typed steps 1..7, each judged once per
// example, and the reducibility question of step 8, judged when the pupil
// moves on. Verdicts, counters and the worked solution all come from here;
// the window only shows them.

#include "engine/DrawingSurface.h"
#include "engine/MainControls.h"
#include "engine/Steps.h"
#include "engine/TrainerState.h"

namespace engine {

inline constexpr const char* kVerdictRight = "- верно";
inline constexpr const char* kVerdictWrong = "- ошибка";

// Confirms step k, as a press on its "Да" does: before the start nothing
// happens; on a judged step, and on any step once the last example has been
// settled, only the answer box is emptied; otherwise the box
// is read, the step judged, echoed and counted, Label11 refreshed, the step
// locked and its part of the worked solution drawn from the expected values;
// the surface is told what it shows now and the verdict is said aloud.
// REQUIRES: 1 <= k <= 7.
void confirmStep(TrainerState& state, int step, MainControls& controls, DrawingSurface& surface);

// Judges step 8 for the example on screen from the selection of the "Нет"
// option: adds 1 to stepErrors[8] when the choice is wrong. Writes no control
// and leaves totalErrors alone.
void judgeReducibility(TrainerState& state, const MainControls& controls);

// Counts one error for each step 1..7 not yet judged whose answer box is
// exactly empty (a box holding blanks is not empty).
void countSkippedSteps(TrainerState& state, const MainControls& controls);

} // namespace engine
