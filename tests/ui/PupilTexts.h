#pragma once

// What the random pupil types: right answers in several notations, and all
// kinds of wrong or strange text. Every choice comes from the shared random
// source, so a seed replays the same texts.

#include <QString>
#include <cstddef>
#include <random>

namespace pupil {

class PupilTexts {
public:
    // Draws from `random`, which must outlive this.
    explicit PupilTexts(std::mt19937_64& random) : random_(random) {}

    // Empty, blank, strange, huge or simply wrong text.
    QString wrong();

    // `value` written as a pupil might write it, all of which read as value.
    QString right(double value);

private:
    std::size_t pick(std::size_t n);
    QString randomText(const char* alphabet, std::size_t length);
    QString spaced(const QString& text);

    std::mt19937_64& random_;
};

} // namespace pupil
