#pragma once

// The answers of steps 1..7 of a catalogue example, worked out here from its
// two fractions alone, so that tests never take the engine's word for them.

#include <algorithm>
#include <array>
#include <numeric>

#include "engine/Catalogue.h"

namespace testing_support {

inline std::array<int, 8> expectedSteps(int id) {
    const engine::Example& e = engine::exampleById(id);
    const int common = std::lcm(e.denominator1, e.denominator2);
    const int m1 = common / e.denominator1, m2 = common / e.denominator2;
    const int n1 = e.numerator1 * m1, n2 = e.numerator2 * m2;
    constexpr std::array<int, 10> minus = {3, 4, 6, 7, 10, 11, 14, 17, 18, 21};
    const bool subtracts = std::find(minus.begin(), minus.end(), id) != minus.end();
    return {0, common, m1, m2, n1, n2, subtracts ? n1 - n2 : n1 + n2, common};
}

// Whether the result of `id` reduces, from its numbers alone.
inline bool reduces(int id) {
    const std::array<int, 8> s = expectedSteps(id);
    return std::gcd(s[6], s[7]) > 1;
}

} // namespace testing_support
