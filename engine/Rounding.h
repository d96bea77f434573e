#pragma once

#include <optional>

namespace zorvane {

// The 32-bit float nearest to x (ties to the even mantissa), or nothing when
// that rounding goes beyond the largest finite 32-bit float.
std::optional<float> nearestFloat32(double x);

// x rounded to the nearest 32-bit float; throws CalcError Overflow beyond the
// 32-bit range.
float toFloat32(double x);

// x rounded to n decimal places on its exact binary value: only a value that
// is exactly halfway is a tie, and a tie goes to the even last digit.
double roundHalfEven(double x, int n);
float roundHalfEven(float x, int n);

}  // namespace zorvane
