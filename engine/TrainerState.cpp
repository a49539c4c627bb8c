#include "engine/TrainerState.h"

#include <cassert>
#include <numeric>

namespace engine {

void loadCurrentExample(TrainerState& state) {
    assert(state.exampleNumber >= 1 && state.exampleNumber <= kExampleCount);
    const int id = state.exampleOrder[static_cast<std::size_t>(state.exampleNumber)];
    const Example& row = exampleById(id);
    state.numerator1 = row.numerator1;
    state.denominator1 = row.denominator1;
    state.numerator2 = row.numerator2;
    state.denominator2 = row.denominator2;
    state.commonDenominator = row.commonDenominator;
    state.exampleId = id;
}

int recomputeTotalErrors(TrainerState& state) {
    state.totalErrors = std::accumulate(state.stepErrors.begin() + 1, state.stepErrors.end(), 0);
    return state.totalErrors;
}

} // namespace engine
