// Writing numbers as the displays show them.
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "NumberText.h"
#include "Significand.h"

namespace zorvane {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;
// Below this magnitude (after rounding) numbers use the exponent form.
constexpr int kSmallestPlainExponent = -4;

template <typename T>
Significand roundedSignificand(T x, int significantDigits) {
    std::array<char, 64> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), x,
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(text.data(),
                                      static_cast<std::size_t>(written.ptr - text.data()));

    Significand result;
    std::size_t pos = 0;
    if (scientific[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    for (; scientific[pos] != 'e'; ++pos) {
        if (scientific[pos] != '.') {
            result.digits += scientific[pos];
        }
    }
    std::from_chars(scientific.data() + pos + 1 + (scientific[pos + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), result.exponent);
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

std::string exponentForm(const Significand& s) {
    std::string text(1, s.digits[0]);
    if (s.digits.size() > 1) {
        text += '.';
        text.append(s.digits, 1);
    }
    text += s.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(s.exponent);
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

std::string plainForm(const Significand& s) {
    if (s.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits;
    }
    const auto wholeDigits = static_cast<std::size_t>(s.exponent) + 1;
    if (s.digits.size() <= wholeDigits) {
        return s.digits + std::string(wholeDigits - s.digits.size(), '0');
    }
    return s.digits.substr(0, wholeDigits) + "." + s.digits.substr(wholeDigits);
}

template <typename T>
std::string magnitudeText(T magnitude, int significantDigits) {
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        return "0";
    }
    const Significand s = roundedSignificand(magnitude, significantDigits);
    if (s.exponent >= significantDigits || s.exponent < kSmallestPlainExponent) {
        return exponentForm(s);
    }
    return plainForm(s);
}

// A minus for a negative number (none for negative zero), then the magnitude.
template <typename T>
std::string signedText(T x, int significantDigits) {
    std::string text(x < 0 ? "-" : "");
    text += magnitudeText(std::fabs(x), significantDigits);
    return text;
}

}  // namespace

Significand significand(double x, int significantDigits) {
    return roundedSignificand(x, significantDigits);
}

std::string numericText(double x) {
    return signedText(x, kDoubleDigits);
}

std::string numericText(float x) {
    return signedText(x, kFloatDigits);
}

std::string numericText(const CalcValue& x) {
    switch (x.kind()) {
        case CalcValue::Kind::Empty:
            return "0";
        case CalcValue::Kind::Int16:
            return std::to_string(x.asInt16());
        case CalcValue::Kind::Float32:
            return numericText(x.asFloat32());
        case CalcValue::Kind::Float64:
            return numericText(x.asFloat64());
    }
    return "0";
}

}  // namespace zorvane
