#pragma once

// Conversions between numbers and the text a pupil sees or types.
//
// Answer boxes are read leniently: blanks, tabs and line feeds are ignored wherever they
// stand, then the longest prefix that forms a number is read and the rest of the text is
// ignored. A number is an optional sign, digits with an optional '.' and fraction digits,
// and an optional exponent (E or D in either case, an optional sign, digits); or &H
// followed by hexadecimal digits, or &O followed by octal digits, for an unsigned 64-bit
// whole number. The point is the only decimal separator, whatever the process locale.
// Text without digits reads 0; a value beyond the double range reads as +/-DBL_MAX, one
// below it reads as zero. Captions show at most 15 significant digits, in fixed notation
// for decimal exponents from -4 to 14 and in the form 1.5E-07 otherwise.
//
// All functions are pure and thread-safe, and none of them depends on the locale.

#include <string>
#include <string_view>

namespace engine {

// Returns the number at the start of "text" (UTF-8, any content) read by the rules above,
// always a finite double, in time linear in text.size().
double readAnswerNumber(std::string_view text);

// Returns "value" rounded to 15 significant digits as the shortest caption ("12", "-0.25",
// "1E+15"), with "0" for NaN and the caption of +/-DBL_MAX for an infinity.
std::string captionText(double value);

// Returns captionText(value) with a leading blank in place of the sign unless the caption
// is negative (" 12", "-3").
std::string surfaceText(double value);

} // namespace engine
