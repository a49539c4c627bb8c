#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kMegabyte = 1'000'000;

std::string repeat(size_t count, char c) {
    return std::string(count, c);
}

// Quotes a text for failure messages, escaping control bytes and shortening huge ones.
std::string describe(const std::string& text) {
    constexpr size_t kShown = 48;
    std::string out = "\"";
    for (size_t i = 0; i < text.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
    if (text.size() > kShown) {
        out += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

// A text to read: short ones as they stand, long ones as a head, a run of one
// character repeated and a tail, made only by the test that reads them.
struct Text {
    Text(const char* text) : head(text) {}
    Text(std::string text) : head(std::move(text)) {}
    Text(std::string head, size_t count, char fill, std::string tail = {})
        : head(std::move(head)), count(count), fill(fill), tail(std::move(tail)) {}

    std::string make() const { return head + repeat(count, fill) + tail; }

    std::string head;
    size_t count = 0;
    char fill = 0;
    std::string tail;
};

struct ReadRow {
    const char* name;
    Text text;
    double expected;
};

void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << row.name << ' ' << describe(row.text.head);
    if (row.text.count > 0)
        *os << " + " << row.text.count << " x '" << row.text.fill << "' + "
            << describe(row.text.tail);
}

const double kTwoTo64 = 18446744073709551616.0; // What 2^64 - 1 becomes as a double.

std::vector<ReadRow> readRows() {
    const size_t n = kMegabyte;
    return {
        // Plain decimal numbers.
        {"Integer", "12", 12},
        {"LeadingPlus", "+7", 7},
        {"Negative", "-3", -3},
        {"NegativeZero", "-0", -0.0},
        {"Fraction", "2.5", 2.5},
        {"NegativeFraction", "-0.25", -0.25},
        {"LeadingPoint", ".5", 0.5},
        {"TrailingPoint", "5.", 5},
        {"NineZero", "9.0", 9},
        {"TieRoundsToEven", "9007199254740993", 9007199254740992.0},
        {"PointAlone", ".", 0},
        {"MinusAlone", "-", 0},
        {"PlusAlone", "+", 0},
        {"Empty", "", 0},
        {"TwoSigns", "+-5", 0},
        {"SignPointOnly", "-.", 0},
        // Blanks are skipped everywhere, but only these three kinds.
        {"OnlyBlanks", " \t\n", 0},
        {"BlankInsideDigits", "1 2", 12},
        {"BlanksTabsLineFeeds", " 1\t2\n.5", 12.5},
        {"BlankAfterSign", "- 4", -4},
        {"BlanksAroundPoint", "3 . 2 5", 3.25},
        {"BlanksAroundMarker", "1 e 2", 100},
        {"BlankAfterExponentSign", "2E - 3", 0.002},
        {"BlanksInsideExponentDigits", "1e1 0", 1e10},
        {"CarriageReturnStops", "1\r2", 1},
        {"NoBreakSpaceStops", std::string("1") + "\xc2\xa0" + "2", 1},
        // Exponents.
        {"UpperE", "3E2", 300},
        {"LowerE", "3e2", 300},
        {"UpperD", "2D3", 2000},
        {"LowerDNegative", "1.5d-1", 0.15},
        {"ExponentPlus", "1e+2", 100},
        {"ExponentAfterLeadingPoint", ".5e1", 5},
        {"ExponentAfterTrailingPoint", "5.e1", 50},
        {"MarkerWithoutDigits", "1e", 1},
        {"MarkerAndSignWithoutDigits", "1e+", 1},
        {"MarkerThenLetter", "7ex", 7},
        {"MarkerThenPoint", "7e.5", 7},
        {"MarkerWithoutMantissa", "e5", 0},
        {"ExponentLeadingZeros", "1e-0000000005", 1e-5},
        {"SecondExponent", "1e2e3", 100},
        {"ExponentFraction", "1e2.5", 100},
        // Reading stops at the first foreign character.
        {"TrailingLetters", "12abc", 12},
        {"SecondPoint", "3.4.5", 3.4},
        {"CommaIsNoSeparator", "1,5", 1},
        {"LettersOnly", "abc", 0},
        {"CyrillicAfterNumber", "12\xd1\x80\xd1\x83\xd0\xb1", 12},
        {"CyrillicOnly", "\xd0\xbf\xd1\x8f\xd1\x82\xd1\x8c", 0},
        {"FullwidthDigit", "\xef\xbc\x95", 0},
        {"NulStops", std::string{'4', '\0', '5'}, 4},
        {"InfinityWordIsNoNumber", "inf", 0},
        {"NanWordIsNoNumber", "nan", 0},
        {"HexFloatIsNoNumber", "0x1p3", 0},
        // Hexadecimal and octal.
        {"HexUpper", "&HFF", 255},
        {"HexLower", "&hff", 255},
        {"OctalUpper", "&O17", 15},
        {"OctalLower", "&o17", 15},
        {"HexPrefixAlone", "&H", 0},
        {"AmpersandAlone", "&", 0},
        {"AmpersandOtherLetter", "&X1", 0},
        {"HexStopsAtG", "&H1G", 1},
        {"OctalStopsAtEight", "&O78", 7},
        {"HexHasNoFraction", "&H1.5", 1},
        {"HexEIsADigit", "&H1E2", 0x1E2},
        {"HexBlanks", "& H 1 0", 16},
        {"SignBeforeHex", "-&H10", 0},
        {"PlusBeforeHex", "+&H10", 0},
        {"HexLeadingZeros", {"&H", 40, '0', "FF"}, 255},
        {"HexMax64", "&HFFFFFFFFFFFFFFFF", kTwoTo64},
        {"HexOver64", "&H10000000000000000", DBL_MAX},
        {"OctalMax64", "&O1777777777777777777777", kTwoTo64},
        {"OctalOver64", "&O2000000000000000000000", DBL_MAX},
        {"HexMegabyte", {"&H", n, 'F'}, DBL_MAX},
        // Overflow and underflow.
        {"Overflow", "1e400", DBL_MAX},
        {"NegativeOverflow", "-1e400", -DBL_MAX},
        {"JustAboveMax", "1.8e308", DBL_MAX},
        {"MaxItself", "1.7976931348623157e308", DBL_MAX},
        {"LargeFinite", "1.5e308", 1.5e308},
        {"LargeFiniteFromDigitCount", {"179", 306, '0'}, 1.79e308},
        {"HugeExponentValue", "-1e99999999999999999999", -DBL_MAX},
        {"Underflow", "1e-400", 0},
        {"NegativeUnderflow", "-1e-400", -0.0},
        {"Subnormal", "4.9e-324", 4.9e-324},
        {"DeepSubnormal", "0.00001e-315", 1e-320},
        {"BelowHalfSmallestSubnormal", "2e-324", 0},
        {"ZeroWithHugeExponent", "0.000e99999999999999999999", 0},
        {"ThousandsOfExponentDigits", {"1e", 5000, '9'}, DBL_MAX},
        {"ThousandsOfNegativeExponentDigits", {"1e-", 5000, '9'}, 0},
        {"ExponentCancelsLongFraction", {"0.", 400, '0', "1e405"}, 10000},
        // Very long texts.
        {"MegabyteIntegerOverflows", {"1", n, '0'}, DBL_MAX},
        {"MegabyteFractionUnderflows", {"0.", n, '0', "1"}, 0},
        {"MegabyteLeadingZeros", {"", n, '0', "12"}, 12},
        {"MegabyteIntegerCancelled", {"1", n, '0', "e-" + std::to_string(n)}, 1},
        {"MegabyteFractionCancelled", {"0.", n, '0', "1e" + std::to_string(n + 5)}, 10000},
        {"MegabyteCancelledByHugeExponent", {"1", n, '0', "e-99999999999999999999"}, 0},
        {"MegabyteTrailingFraction", {"2.", n, '9'}, 3},
        {"MegabyteDigitBreaksTie", {"9007199254740993.", n, '0', "1"}, 9007199254740994.0},
        {"MegabyteOfBlanks", {"1", n, ' ', "2"}, 12},
        {"MegabyteOfPoints", {"7", n, '.'}, 7},
    };
}

class ReadAnswerNumberTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadAnswerNumberTest, ReadsExpectedValue) {
    const ReadRow& row = GetParam();
    const std::string text = row.text.make();
    const double value = engine::readAnswerNumber(text);
    EXPECT_EQ(value, row.expected) << "text " << describe(text);
    // A zero keeps the sign it was written with, which == cannot see.
    EXPECT_EQ(std::signbit(value), std::signbit(row.expected))
        << "the sign of " << value << ", text " << describe(text);
    EXPECT_TRUE(std::isfinite(value)) << "text " << describe(text);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadAnswerNumberTest, ::testing::ValuesIn(readRows()),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptionRow {
    const char* name;
    double value;
    const char* caption;
};

void PrintTo(const CaptionRow& row, std::ostream* os) {
    char exact[40];
    std::snprintf(exact, sizeof exact, "%.17g", row.value);
    *os << row.name << ' ' << exact;
}

const CaptionRow kCaptionRows[] = {
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"Whole", 12, "12"},
    {"NegativeWhole", -3, "-3"},
    {"FifteenDigitWhole", 123456789012345.0, "123456789012345"},
    {"HundredTrillion", 1e14, "100000000000000"},
    {"RoundsUpToHundredTrillion", 99999999999999.99, "100000000000000"},
    {"Quadrillion", 1e15, "1E+15"},
    {"RoundsUpToQuadrillion", 999999999999999.5, "1E+15"},
    {"SixteenDigitWhole", 9007199254740992.0, "9.00719925474099E+15"},
    {"NegativeEighteenDigitWhole", -123456789012345678.0, "-1.23456789012346E+17"},
    {"Huge", 1e20, "1E+20"},
    {"HugeNegative", -1e300, "-1E+300"},
    {"Max", DBL_MAX, "1.79769313486232E+308"},
    {"Half", 0.5, "0.5"},
    {"TwoAndAHalf", 2.5, "2.5"},
    {"NegativeQuarter", -0.25, "-0.25"},
    {"PointOnePlusPointTwo", 0.1 + 0.2, "0.3"},
    {"TwoThirdsRoundUp", 2.0 / 3.0, "0.666666666666667"},
    {"Pi", 3.14159265358979323846, "3.14159265358979"},
    {"MixedFraction", 1234567.5, "1234567.5"},
    {"TenThousandth", 0.0001, "0.0001"},
    {"SmallFixed", 0.00012345678901234567, "0.000123456789012346"},
    {"RoundsUpToTenThousandth", 9.999999999999999e-5, "0.0001"},
    {"HundredThousandth", 1e-5, "1E-05"},
    {"Tiny", 1.5e-7, "1.5E-07"},
    {"TinyNegative", -1.5e-7, "-1.5E-07"},
    {"SmallestSubnormal", 4.9406564584124654e-324, "4.94065645841247E-324"},
    {"Infinity", INFINITY, "1.79769313486232E+308"},
    {"NegativeInfinity", -INFINITY, "-1.79769313486232E+308"},
    {"NotANumber", NAN, "0"},
};

class CaptionTextTest : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(CaptionTextTest, WritesExpectedCaption) {
    const CaptionRow& row = GetParam();
    EXPECT_EQ(engine::captionText(row.value), row.caption);
}

INSTANTIATE_TEST_SUITE_P(Values, CaptionTextTest, ::testing::ValuesIn(kCaptionRows),
                         [](const auto& info) { return std::string(info.param.name); });

const CaptionRow kSurfaceRows[] = {
    {"Whole", 12, " 12"},
    {"Zero", 0.0, " 0"},
    {"NegativeZero", -0.0, " 0"},
    {"NegativeWhole", -3, "-3"},
    {"Fraction", 2.5, " 2.5"},
    {"Huge", 1e20, " 1E+20"},
    {"TinyNegative", -1.5e-7, "-1.5E-07"},
    {"NotANumber", NAN, " 0"},
};

class SurfaceTextTest : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(SurfaceTextTest, WritesExpectedText) {
    const CaptionRow& row = GetParam();
    EXPECT_EQ(engine::surfaceText(row.value), row.caption);
}

INSTANTIATE_TEST_SUITE_P(Values, SurfaceTextTest, ::testing::ValuesIn(kSurfaceRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Random plain decimal numbers read exactly as strtod reads them, and blanks added
// between the characters change nothing. Our text may use D where strtod needs E.
TEST(ReadAnswerNumberProperty, AgreesWithStrtodAndIgnoresBlanks) {
    std::setlocale(LC_ALL, "C");
    std::mt19937 random(20240611);
    auto below = [&random](int bound) { return static_cast<int>(random() % bound); };
    auto digits = [&](int count) {
        std::string out;
        for (int i = 0; i < count; ++i) {
            out += static_cast<char>('0' + below(10));
        }
        return out;
    };

    for (int round = 0; round < 400; ++round) {
        std::string plain = below(3) == 0 ? "-" : below(2) == 0 ? "+" : "";
        const int wholeDigits = below(18);
        plain += digits(wholeDigits);
        if (wholeDigits == 0 || below(2) == 0) {
            plain += '.';
            plain += digits(wholeDigits == 0 ? 1 + below(17) : below(18));
        }
        std::string ours = plain;
        if (below(2) == 0) {
            const char* markers = "eEdD";
            const char marker = markers[below(4)];
            const std::string sign = below(3) == 0 ? "-" : below(2) == 0 ? "+" : "";
            const std::string exponent = sign + std::to_string(below(281));
            plain += (marker == 'd' || marker == 'D' ? 'e' : marker) + exponent;
            ours += marker + exponent;
        }

        char* end = nullptr;
        const double expected = std::strtod(plain.c_str(), &end);
        ASSERT_EQ(*end, '\0') << "generator made a bad text " << describe(plain);
        const double value = engine::readAnswerNumber(ours);
        EXPECT_EQ(value, expected) << "text " << describe(ours);
        EXPECT_EQ(std::signbit(value), std::signbit(expected))
            << "the sign of " << value << ", text " << describe(ours);

        std::string blanked;
        for (char c : ours) {
            while (below(3) == 0) {
                blanked += " \t\n"[below(3)];
            }
            blanked += c;
        }
        blanked += repeat(below(3), ' ');
        const double reread = engine::readAnswerNumber(blanked);
        EXPECT_EQ(reread, value) << "text " << describe(blanked);
        EXPECT_EQ(std::signbit(reread), std::signbit(value))
            << "the sign of " << reread << ", text " << describe(blanked);
    }
}

// The application runs under the pupil's locale, where the decimal separator may be a comma.
struct CommaPunctuation : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(NumberTextLocale, PointStaysTheSeparatorUnderCommaLocales) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
    // A comma C locale as well, where one is installed.
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    }

    EXPECT_EQ(engine::readAnswerNumber("1.5"), 1.5);
    EXPECT_EQ(engine::readAnswerNumber("1,5"), 1);
    EXPECT_EQ(engine::captionText(2.5), "2.5");
    EXPECT_EQ(engine::captionText(1.5e-7), "1.5E-07");

    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
}

} // namespace
