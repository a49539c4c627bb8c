#pragma once

// The program's random source: a Mersenne Twister seeded from the clock at
// the moment of the start, so that each run meets its own order.

#include <random>

#include "engine/UniformSource.h"

namespace engine {

class ClockRandom final : public UniformSource {
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

} // namespace engine
