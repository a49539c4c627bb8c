#include "engine/Shuffle.h"

#include <cmath>

namespace engine {

void shuffleExamples(TrainerState& state, UniformSource& random) {
    for (int placed = 0; placed < kExampleCount;) {
        const double r = random.next();
        state.candidate = static_cast<int>(std::floor(r * kExampleCount)) + 1;
        // A source that strays out of [0, 1) must not index past the table.
        if (state.candidate < 1 || state.candidate > kExampleCount)
            continue;
        bool seen = false;
        for (state.scanIndex = 1; state.scanIndex <= kExampleCount; ++state.scanIndex) {
            if (state.exampleOrder[static_cast<std::size_t>(state.scanIndex)] == state.candidate) {
                seen = true;
                break;
            }
        }
        if (seen)
            continue;
        state.exampleOrder[static_cast<std::size_t>(state.fillIndex)] = state.candidate;
        ++state.fillIndex;
        ++placed;
    }
}

} // namespace engine
