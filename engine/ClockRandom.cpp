#include "engine/ClockRandom.h"

#include <chrono>

namespace engine {

ClockRandom::ClockRandom()
    : generator_(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                std::chrono::system_clock::now().time_since_epoch())
                                                .count())) {}

double ClockRandom::next() {
    // The distribution may round up to exactly 1 in rare cases; keep [0, 1).
    const double r = uniform_(generator_);
    return r < 1.0 ? r : 0.0;
}

} // namespace engine
