#include "Decimal.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

#include "Significand.h"

namespace zorvane {

namespace {

// How many significant digits a person reads of a 64-bit float: the digits
// the displays show, and the decimal whose ties are ties.
constexpr int kReadDigits = 15;

// Digit strings of equal length, the first not below the second: their
// difference, digit by digit with a borrow.
std::string subtractDigits(const std::string& larger, const std::string& smaller) {
    std::string difference(larger.size(), '0');
    int borrow = 0;
    for (std::size_t i = larger.size(); i-- > 0;) {
        int digit = (larger[i] - '0') - (smaller[i] - '0') - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference[i] = static_cast<char>('0' + digit + 10 * borrow);
    }
    return difference;
}

// Digit strings of equal length whose first digits are 0: their sum.
std::string addDigits(const std::string& a, const std::string& b) {
    std::string sum(a.size(), '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int digit = (a[i] - '0') + (b[i] - '0') + carry;
        carry = digit / 10;
        sum[i] = static_cast<char>('0' + digit % 10);
    }
    return sum;
}

// The digits scaled to the exponent `to` (not above the decimal's own) and
// padded with leading zeros to `width` characters.
std::string alignedDigits(const Decimal& decimal, int to, std::size_t width) {
    std::string digits =
        decimal.digits + std::string(static_cast<std::size_t>(decimal.exponent - to), '0');
    digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

Decimal readDecimal(double x) {
    const Significand s = significand(x, kReadDigits);
    return {s.negative, s.digits, s.exponent + 1 - static_cast<int>(s.digits.size())};
}

double nearestDouble(const Decimal& decimal) {
    const std::string text =
        (decimal.negative ? "-" : "") + decimal.digits + "e" + std::to_string(decimal.exponent);
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Beyond the range on one side or the other: a value of at least 1 is
        // too large, anything else too small.
        const auto first = decimal.digits.find_first_not_of('0');
        const bool large = first != std::string::npos &&
                           static_cast<long>(decimal.digits.size() - first) + decimal.exponent > 0;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
        return decimal.negative ? -value : value;
    }
    return value;
}

Decimal exactSum(const Decimal& a, const Decimal& b) {
    const int exponent = std::min(a.exponent, b.exponent);
    // One more digit than the wider operand, for the carry.
    const std::size_t width =
        std::max(a.digits.size() + static_cast<std::size_t>(a.exponent - exponent),
                 b.digits.size() + static_cast<std::size_t>(b.exponent - exponent)) +
        1;
    std::string first = alignedDigits(a, exponent, width);
    std::string second = alignedDigits(b, exponent, width);
    Decimal sum{a.negative, {}, exponent};
    if (a.negative == b.negative) {
        sum.digits = addDigits(first, second);
    } else {
        if (first < second) {
            std::swap(first, second);
            sum.negative = b.negative;
        }
        sum.digits = subtractDigits(first, second);
    }
    if (sum.digits.find_first_not_of('0') == std::string::npos) {
        sum.negative = false;
    }
    return sum;
}

}  // namespace zorvane
