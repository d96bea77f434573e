#pragma once

#include <string>
#include <string_view>

#include "CalcValue.h"

namespace zorvane {

// Numbers as texts and back: writing (NumberFormatting.cpp) and reading
// (NumberReading.cpp).

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

}  // namespace zorvane
