#pragma once

// The random source of the shuffle, passed in so that tests can script it.

namespace engine {

// A source of uniform values in [0, 1), seeded where it is made.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;
};

} // namespace engine
