#pragma once

// The right answer of each step worked out the way a pupil works it, from
// the two fractions and the sign on screen alone, so that a test answering
// with it would catch a wrong value the trainer expects.

#include <algorithm>
#include <numeric>

#include "engine/Catalogue.h"
#include "engine/TrainerState.h"

namespace fakes {

// The right answer of step k for the example on screen.
// REQUIRES: 1 <= k <= 7 and an example loaded.
inline int workedAnswer(const engine::TrainerState& s, int k) {
    const int common = std::lcm(s.denominator1, s.denominator2);
    const int first = s.numerator1 * (common / s.denominator1);
    const int second = s.numerator2 * (common / s.denominator2);
    const bool subtracts = std::find(engine::subtractionIds.begin(), engine::subtractionIds.end(),
                                     s.exampleId) != engine::subtractionIds.end();
    switch (k) {
    case 1:
    case 7:
        return common;
    case 2:
        return common / s.denominator1;
    case 3:
        return common / s.denominator2;
    case 4:
        return first;
    case 5:
        return second;
    default:
        return subtracts ? first - second : first + second;
    }
}

} // namespace fakes
