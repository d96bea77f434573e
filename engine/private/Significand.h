#pragma once

// The significant digits of a number, as writing and rounding numbers both
// read them (NumberFormatting.cpp).

#include <string>

namespace zorvane {

// A number rounded to a count of significant digits (std::to_chars on the
// exact binary value, an exact tie to the even digit): the digits without
// trailing zeros, and the decimal exponent of the first one.
struct Significand {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Significand significand(double x, int significantDigits);

}  // namespace zorvane
