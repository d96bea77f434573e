#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CalcValue.h"

namespace zorvane {

// The number conversions the calculator shares: writing numbers as texts
// (NumberFormatting.cpp), reading them back (NumberReading.cpp), and
// rounding them (Rounding.cpp).

// The text of a number as the displays show it: at most 15 significant digits
// for a 64-bit float and 7 for a 32-bit float, no trailing zeros, "." as the
// point whatever the locale. Plain decimals from 0.0001 up to what the
// significant digits can show whole; beyond either end mantissa and exponent:
// "1.234568E+07", "1E-05". Zero, negative zero included, is "0".
std::string numericText(double x);
std::string numericText(float x);
std::string numericText(const CalcValue& x);

// The same with one sign position in front: " 12", "-3", " 0", " 0.5".
template <typename Number>
std::string signedNumericText(const Number& x) {
    std::string text = numericText(x);
    return text.front() == '-' ? text : ' ' + text;
}

// The number at the start of a text. Blanks (space, tab, line feed) are
// skipped wherever they stand; an optional sign, digits with at most one ".",
// and an optional exponent ("E" or "D", optional sign, digits) are read up to
// the first other character. A text without digits gives 0. Throws CalcError
// Overflow for a number beyond the 64-bit range.
double textValue(std::string_view text);

// The whole text read as one number, blanks allowed around it. Throws
// CalcError TypeMismatch when the text is empty or is not wholly a number, and
// Overflow beyond the 64-bit range. Reads back every text numericText makes.
double numberInFull(std::string_view text);

// The 32-bit float nearest to x (ties to the even mantissa), or nothing when
// that rounding goes beyond the largest finite 32-bit float.
std::optional<float> nearestFloat32(double x);

// x rounded to n decimal places as a person reads it: x is first read to 15
// significant digits (the digits numericText shows), and a tie of that
// decimal goes to the even last digit. 16.995 to two places gives 17 though
// its binary value lies just below; 2.125 gives 2.12 and 2.375 gives 2.38.
double roundHalfEven(double x, int n);

}  // namespace zorvane
