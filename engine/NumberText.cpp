#include "engine/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace engine {

namespace {

// Larger exponents than this only matter for their sign; capping keeps the arithmetic
// far from int64 overflow however many exponent digits the text has.
constexpr int64_t kExponentCap = 1'000'000'000'000;

// Beyond these decimal exponents of the first significant digit the value is certainly
// out of the double range (DBL_MAX is about 1.8E+308, the smallest subnormal 4.9E-324).
constexpr int64_t kMaxLeadExponent = 309;
constexpr int64_t kMinLeadExponent = -325;

// The two conversions between a double and its decimal digits, both
// correctly rounded and blind to the process locale: the standard library's
// where it has them for floating point (libstdc++, on Linux and Windows);
// else the C library's, which is musl's in the WebAssembly build, where the
// decimal point is always '.'.
#if defined(__cpp_lib_to_chars)
// `text` is "[-]d[.ddd]e[-]ddd". Out of range it reports failure and leaves
// `value` as it was.
bool parseScientific(const std::string& text, double& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc();
}

// "[-]d.ddddddddddddddde[+-]dd[d]": 15 significant digits.
std::string printScientific(double value) {
    char buffer[32];
    const auto printed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    return std::string(buffer, printed.ptr);
}
#else
// Out of range, strtod gives 0 or an infinity (and ERANGE), which the caller
// turns into the same values as a failure.
bool parseScientific(const std::string& text, double& value) {
    value = std::strtod(text.c_str(), nullptr);
    return true;
}

std::string printScientific(double value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::string(buffer, static_cast<size_t>(length));
}
#endif

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentMarker(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Value of c as a digit in base 8 or 16, or -1 if it is none.
int radixDigit(char c, int radix) {
    int value = -1;
    if (isDigit(c)) {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value < radix ? value : -1;
}

// Reads text character by character, never showing a blank. peek() is '\0' at the end,
// which stops every rule just as any other foreign character does.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void advance() {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// Reads the digits after &H or &O as an unsigned 64-bit number.
double readRadixNumber(Cursor cursor, int radix) {
    const int bits = radix == 16 ? 4 : 3;
    uint64_t value = 0;
    for (int digit; (digit = radixDigit(cursor.peek(), radix)) >= 0; cursor.advance()) {
        if (value > (UINT64_MAX >> bits)) {
            return DBL_MAX;
        }
        value = (value << bits) | static_cast<uint64_t>(digit);
    }
    return static_cast<double>(value);
}

} // namespace

double readAnswerNumber(std::string_view text) {
    Cursor cursor(text);

    if (cursor.peek() == '&') {
        cursor.advance();
        const char kind = cursor.peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            cursor.advance();
            return readRadixNumber(cursor, kind == 'H' || kind == 'h' ? 16 : 8);
        }
        return 0.0;
    }

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    // Only the significant digits are kept, with the decimal exponent of the first one, so
    // the text handed to from_chars is short in exponent and free of leading zeros.
    std::string significant;
    int64_t leadExponent = 0;
    bool sawDigit = false;
    for (; isDigit(cursor.peek()); cursor.advance()) {
        sawDigit = true;
        if (!significant.empty() || cursor.peek() != '0') {
            significant += cursor.peek();
        }
    }
    if (!significant.empty()) {
        leadExponent = static_cast<int64_t>(significant.size()) - 1;
    }
    if (cursor.peek() == '.') {
        cursor.advance();
        int64_t zerosAfterPoint = 0;
        for (; isDigit(cursor.peek()); cursor.advance()) {
            sawDigit = true;
            if (!significant.empty()) {
                significant += cursor.peek();
            } else if (cursor.peek() == '0') {
                ++zerosAfterPoint;
            } else {
                significant += cursor.peek();
                leadExponent = -(zerosAfterPoint + 1);
            }
        }
    }
    if (!sawDigit) {
        return 0.0;
    }

    // A marker is part of the number only when digits follow it, so look ahead on a copy.
    int64_t exponent = 0;
    if (isExponentMarker(cursor.peek())) {
        Cursor ahead = cursor;
        ahead.advance();
        bool exponentNegative = false;
        if (ahead.peek() == '+' || ahead.peek() == '-') {
            exponentNegative = ahead.peek() == '-';
            ahead.advance();
        }
        for (; isDigit(ahead.peek()); ahead.advance()) {
            exponent = std::min(exponent * 10 + (ahead.peek() - '0'), kExponentCap);
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }

    const double zero = negative ? -0.0 : 0.0;
    const double largest = negative ? -DBL_MAX : DBL_MAX;
    if (significant.empty()) {
        return zero;
    }
    leadExponent += exponent;
    if (leadExponent > kMaxLeadExponent) {
        return largest;
    }
    if (leadExponent < kMinLeadExponent) {
        return zero;
    }

    std::string clean;
    clean.reserve(significant.size() + 8);
    if (negative) {
        clean += '-';
    }
    clean += significant[0];
    if (significant.size() > 1) {
        clean += '.';
        clean.append(significant, 1);
    }
    clean += 'e';
    clean += std::to_string(leadExponent);

    // Out of range, the lead exponent tells which way.
    double value = 0.0;
    if (!parseScientific(clean, value)) {
        return leadExponent > 0 ? largest : zero;
    }
    return std::isfinite(value) ? value : largest;
}

std::string captionText(double value) {
    if (std::isnan(value) || value == 0.0) {
        return "0";
    }
    if (std::isinf(value)) {
        value = std::copysign(DBL_MAX, value);
    }

    const std::string printed = printScientific(value);
    std::string_view rounded(printed);

    std::string out;
    if (rounded.front() == '-') {
        out += '-';
        rounded.remove_prefix(1);
    }
    const size_t marker = rounded.find('e');
    std::string digits(1, rounded[0]);
    digits.append(rounded.substr(2, marker - 2));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    for (const char digit : rounded.substr(marker + 2)) {
        exponent = exponent * 10 + (digit - '0');
    }
    if (rounded[marker + 1] == '-') {
        exponent = -exponent;
    }

    if (exponent > -5 && exponent < 15) {
        if (exponent >= 0) {
            const size_t wholeDigits = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= wholeDigits) {
                out += digits;
                out.append(wholeDigits - digits.size(), '0');
            } else {
                out.append(digits, 0, wholeDigits);
                out += '.';
                out.append(digits, wholeDigits);
            }
        } else {
            out += "0.";
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += digits;
        }
        return out;
    }

    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out.append(digits, 1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        out += '0';
    }
    out += std::to_string(magnitude);
    return out;
}

std::string surfaceText(double value) {
    std::string text = captionText(value);
    if (text.front() != '-') {
        text.insert(text.begin(), ' ');
    }
    return text;
}

} // namespace engine
