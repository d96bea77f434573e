#pragma once

// Decimal numbers as a person reads them off the displays, and exact sums of
// them (Decimal.cpp): rounding (Rounding.cpp) and + and − (CalcValue.cpp)
// work on these rather than on the binary values behind them.
//
// The sum is worked out on decimal digit strings, not on scaled 128-bit
// integers: two operands may lie some 630 decimal places apart (1E+308 and
// 1E-324 are both 64-bit floats), beyond any fixed width, and one way that is
// exact for every pair is simpler to trust than a fast one with a fallback.
// A sum takes at most a few hundred digits, nothing beside a key press.
// std::from_chars then rounds the exact digits once, to the nearest double.

#include <string>

namespace zorvane {

// The whole number of its digits times ten to the exponent, with a sign.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// x read to 15 significant digits: the digits the displays show.
Decimal readDecimal(double x);

// The 64-bit float nearest to a decimal: ties to the even mantissa, infinity
// beyond the largest double, zero below the smallest.
double nearestDouble(const Decimal& decimal);

// The exact sum; a zero sum is positive.
Decimal exactSum(const Decimal& a, const Decimal& b);

inline Decimal negated(Decimal decimal) {
    decimal.negative = !decimal.negative;
    return decimal;
}

}  // namespace zorvane
