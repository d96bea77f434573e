#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "NumberText.h"

namespace zorvane {

namespace {

// Half a unit in the last place above the largest finite 32-bit float: from
// here on rounding to 32 bits gives infinity (the largest float has an odd
// mantissa, so the tie itself rounds up).
constexpr double kFloat32RoundsToInfinity = 0x1.ffffffp127;

// The decimal text of x rounded to n places is exact: std::to_chars works on
// the binary value and resolves an exact tie to the even digit. Reading that
// text back gives the value nearest to the rounded decimal.
double roundDecimal(double x, int n) {
    if (!std::isfinite(x)) {
        return x;
    }
    // Enough room for every digit of the largest double plus the decimals.
    std::array<char, 400> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, n);
    if (written.ec != std::errc()) {
        return x;
    }
    double rounded = 0.0;
    std::from_chars(text.data(), written.ptr, rounded, std::chars_format::fixed);
    return rounded;
}

constexpr int kMaxDecimals = 40;

}  // namespace

std::optional<float> nearestFloat32(double x) {
    if (std::isnan(x) || std::fabs(x) >= kFloat32RoundsToInfinity) {
        return std::nullopt;
    }
    return static_cast<float>(x);
}

double roundHalfEven(double x, int n) {
    return roundDecimal(x, std::clamp(n, 0, kMaxDecimals));
}

}  // namespace zorvane
