// Fuzz target for the reader of the answer boxes. Every input is checked for:
//   - a finite result (never NaN, never an infinity);
//   - agreement with strtod in the C locale on every text that is a plain
//     decimal number, with an out-of-range value read as +/-DBL_MAX;
//   - the same result, bit for bit, when blanks are inserted between the
//     characters, since blanks are ignored wherever they stand;
//   - a caption that reads back to a value with the same caption.
// A failed check aborts, which libFuzzer reports with the input that did it.
#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/NumberText.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double got, double want) {
    std::fprintf(stderr, "check failed: %s\n  text (%zu bytes): \"%.*s\"\n  got %a, want %a\n",
                 what, text.size(), static_cast<int>(std::min<size_t>(text.size(), 200)),
                 text.data(), got, want);
    std::abort();
}

// Bitwise equality, so that -0 and +0 differ.
bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [+-]? (digits [. digits?] | . digits) ([eE] [+-]? digits)?, and nothing else:
// the texts on which strtod and the reader have to read the same number.
bool isPlainDecimal(std::string_view s) {
    size_t i = 0;
    auto digits = [&] {
        const size_t start = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        return i > start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const bool whole = digits();
    bool fraction = false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        fraction = digits();
    }
    if (!whole && !fraction)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == s.size();
}

double strtodReference(std::string_view s) {
    const std::string copy(s);
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        fail("strtod did not read the whole plain decimal", s, value, value);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

// `text` with a blank after every character; the blank kind (and a second one
// before the text) rotates with `seed`.
std::string withBlanksEverywhere(std::string_view text, unsigned seed) {
    static constexpr char kBlanks[] = {' ', '\t', '\n'};
    std::string out;
    out.reserve(text.size() * 2 + 1);
    out += kBlanks[seed % 3];
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        out += kBlanks[(seed + i) % 3];
    }
    return out;
}

// `text` with runs of blanks at positions picked by a small generator.
std::string withScatteredBlanks(std::string_view text, uint32_t seed) {
    std::string out;
    out.reserve(text.size() * 3);
    uint32_t state = seed * 2654435761u + 1;
    for (size_t i = 0; i <= text.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        if ((state >> 28) < 5) {
            const unsigned run = 1 + ((state >> 20) & 3);
            for (unsigned r = 0; r < run; ++r)
                out += " \t\n"[(state >> (8 + 2 * r)) % 3];
        }
        if (i < text.size())
            out += text[i];
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double value = engine::readAnswerNumber(text);
    if (!std::isfinite(value))
        fail("the result is not finite", text, value, 0.0);

    if (isPlainDecimal(text)) {
        const double want = strtodReference(text);
        if (!same(value, want))
            fail("differs from strtod", text, value, want);
    }

    const unsigned seed = size > 0 ? data[0] : 0u;
    const double spread = engine::readAnswerNumber(withBlanksEverywhere(text, seed));
    if (!same(spread, value))
        fail("blanks between every character change the result", text, spread, value);
    const double scattered =
        engine::readAnswerNumber(withScatteredBlanks(text, static_cast<uint32_t>(size) ^ seed));
    if (!same(scattered, value))
        fail("scattered blanks change the result", text, scattered, value);

    const std::string caption = engine::captionText(value);
    const double reread = engine::readAnswerNumber(caption);
    if (engine::captionText(reread) != caption)
        fail("the caption does not read back to itself", caption, reread, value);
    const std::string surface = engine::surfaceText(value);
    if (surface != (caption.front() == '-' ? caption : " " + caption))
        fail("the surface text is not the caption behind a sign place", surface, value, value);
    return 0;
}
