#pragma once

// The fixed catalogue of 21 examples that every answer is judged against:
// sums and differences of two proper fractions with unlike denominators.
// Whether an example subtracts, and whether its result reduces, are fixed
// properties of its id.

#include <array>

namespace engine {

inline constexpr int kExampleCount = 21;

// One row of the catalogue. The result numerator is not stored; the step
// checks derive it. reducedNumerator/reducedDenominator hold the result in
// lowest terms when it reduces, else 0 and 0.
struct Example {
    int id;
    int numerator1;
    int denominator1;
    int numerator2;
    int denominator2;
    int commonDenominator;
    int reducedNumerator;
    int reducedDenominator;
};

// The ids whose examples subtract; all other ids add.
inline constexpr std::array<int, 10> subtractionIds = {3, 4, 6, 7, 10, 11, 14, 17, 18, 21};

// The ids whose result (over the common denominator) can be reduced.
inline constexpr std::array<int, 9> reducibleIds = {2, 4, 7, 9, 11, 14, 16, 18, 21};

// The rows in id order: row k - 1 holds id k.
extern const std::array<Example, kExampleCount> ExampleCatalogue;

// The row of `id`. REQUIRES: 1 <= id <= 21.
const Example& exampleById(int id);

// True exactly for the ids in subtractionIds.
bool isSubtraction(int id);

// True exactly for the ids in reducibleIds.
bool isReducible(int id);

} // namespace engine
