#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "Decimal.h"
#include "NumberText.h"

namespace zorvane {

namespace {

// Half a unit in the last place above the largest finite 32-bit float: from
// here on rounding to 32 bits gives infinity (the largest float has an odd
// mantissa, so the tie itself rounds up).
constexpr double kFloat32RoundsToInfinity = 0x1.ffffffp127;

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    // Trailing nines become zeros and carry one into the digit before them.
    const auto carried =
        std::find_if(digits.rbegin(), digits.rend(), [](char c) { return c != '9'; });
    std::fill(digits.rbegin(), carried, '0');
    if (carried == digits.rend()) {
        digits.insert(digits.begin(), '1');
    } else {
        ++*carried;
    }
}

// The decimal rounded to n places: the dropped digits decide, and exactly
// half a unit goes to the even last digit.
Decimal roundToPlaces(Decimal decimal, int n) {
    const int dropped = -n - decimal.exponent;
    if (dropped <= 0) {
        return decimal;
    }
    const auto digitCount = static_cast<int>(decimal.digits.size());
    const int kept = std::max(digitCount - dropped, 0);
    const std::string rest =
        std::string(static_cast<std::size_t>(std::max(dropped - digitCount, 0)), '0') +
        decimal.digits.substr(static_cast<std::size_t>(kept));
    decimal.digits.resize(static_cast<std::size_t>(kept));
    decimal.exponent = -n;
    const bool aboveHalf =
        rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const bool half = rest[0] == '5' && !aboveHalf;
    const bool odd = !decimal.digits.empty() && (decimal.digits.back() - '0') % 2 == 1;
    if (aboveHalf || (half && odd)) {
        increment(decimal.digits);
    }
    if (decimal.digits.empty()) {
        decimal.digits = "0";
    }
    return decimal;
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
    if (!std::isfinite(x) || x == 0) {
        return x;
    }
    return nearestDouble(roundToPlaces(readDecimal(x), std::clamp(n, 0, kMaxDecimals)));
}

}  // namespace zorvane
