#include "engine/Catalogue.h"

#include <algorithm>
#include <cassert>

namespace engine {

// clang-format off
constexpr std::array<Example, kExampleCount> kRows = {{
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

const std::array<Example, kExampleCount> ExampleCatalogue = kRows;

const Example& exampleById(int id) {
    assert(id >= 1 && id <= kExampleCount);
    return ExampleCatalogue[static_cast<std::size_t>(id - 1)];
}

bool isSubtraction(int id) {
    return std::find(subtractionIds.begin(), subtractionIds.end(), id) != subtractionIds.end();
}

bool isReducible(int id) {
    return std::find(reducibleIds.begin(), reducibleIds.end(), id) != reducibleIds.end();
}

} // namespace engine
