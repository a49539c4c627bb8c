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
// clang-format off
inline constexpr std::array<Example, kExampleCount> ExampleCatalogue = {{
    // id  n1  d1  n2  d2  common  reduced
    { 1,   2,  3,  1,  9,   9,     0,  0},
    { 2,   3,  5,  1, 15,  15,     2,  3},
    { 3,   1,  2,  1,  3,   6,     0,  0},
    { 4,   5, 12,  1,  4,  12,     1,  6},
    { 5,   1,  4,  1,  6,  12,     0,  0},
    { 6,  11, 15,  1,  2,  30,     0,  0},
    { 7,  11, 12,  2,  3,  12,     1,  4},
    { 8,   1,  7,  2, 21,  21,     0,  0},
    { 9,   1, 10,  3, 20,  20,     1,  4},
    {10,   5,  9,  1,  6,  18,     0,  0},
    {11,  11, 15,  1,  3,  15,     2,  5},
    {12,   5, 18,  1, 12,  36,     0,  0},
    {13,   3,  4,  2,  9,  36,     0,  0},
    {14,   2, 15,  1, 20,  60,     1, 12},
    {15,   1,  3,  1, 21,  21,     0,  0},
    {16,   2, 15,  5, 12,  60,    11, 20},
    {17,   5,  9,  4, 15,  45,     0,  0},
    {18,  13, 20,  1,  4,  20,     2,  5},
    {19,   3, 14,  2, 21,  42,     0,  0},
    {20,   4,  9,  5, 12,  36,     0,  0},
    {21,   2,  3,  1,  6,   6,     1,  2},
}};
// clang-format on

// The row of `id`. REQUIRES: 1 <= id <= 21.
const Example& exampleById(int id);

// True exactly for the ids in subtractionIds.
bool isSubtraction(int id);

// True exactly for the ids in reducibleIds.
bool isReducible(int id);

} // namespace engine
