#pragma once

// The program's random source: a Mersenne Twister seeded from the clock when
// it is made, as the program starts, so that each run meets its own order.

#include <random>

#include "engine/UniformSource.h"

namespace engine {

class ClockRandom final : public UniformSource {
public:
    ClockRandom();
    double next() override;

private:
    std::mt19937_64 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

} // namespace engine
