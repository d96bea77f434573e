#include "TextShapes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zorvane::checks {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;
// Plain decimals go down to 0.0001; below, the exponent form takes over.
constexpr int kSmallestPlainExponent = -4;
// Sign, point, "E", exponent sign and three exponent digits around the digits.
constexpr std::size_t kNumberOverhead = 8;

constexpr std::array<std::string_view, 5> kPrompts = {
    "输入相对顶点价格：             ",   "输入相对底部价：             ",
    "输入筹码密集峰价格：             ", "输入股票价格：             ",
    "输入股票数量：             ",
};

struct ResultLabels {
    std::string_view first;
    std::string_view second;
    std::string_view tail;
};

constexpr std::array<ResultLabels, 4> kResults = {{
    {"标准反弹:", " 中级反弹:", " "},
    {"标准回调:", " 保守回调:", " "},
    {"保守出货:", "  标准出货:", ""},
    {"高抛成本:", " 接回成本:", " "},
}};

constexpr std::string_view kOperatorCharacters = "+-*/";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

// Digits and points are what number entry appends to the main display.
bool isTyped(char c) {
    return isDigit(c) || c == '.';
}

std::size_t leadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? digits.size() : first;
}

// "1.2345E+07": one non-zero digit, optional point and digits without a
// trailing zero, and an exponent of two or three digits that lies outside the
// range of plain decimals.
bool isExponentForm(std::string_view text, int significantDigits) {
    const auto e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const std::string_view exponent = text.substr(e + 1);
    if (mantissa.empty() || mantissa[0] < '1' || mantissa[0] > '9') {
        return false;
    }
    if (mantissa.size() > 1) {
        const std::string_view fraction = mantissa.substr(2);
        if (mantissa[1] != '.' || fraction.empty() || !allDigits(fraction) ||
            fraction.back() == '0' ||
            fraction.size() + 1 > static_cast<std::size_t>(significantDigits)) {
            return false;
        }
    }
    if (exponent.size() < 3 || exponent.size() > 4 || (exponent[0] != '+' && exponent[0] != '-')) {
        return false;
    }
    const std::string_view exponentDigits = exponent.substr(1);
    if (!allDigits(exponentDigits) || (exponentDigits.size() == 3 && exponentDigits[0] == '0')) {
        return false;
    }
    int value = 0;
    for (char c : exponentDigits) {
        value = value * 10 + (c - '0');
    }
    return exponent[0] == '+' ? value >= significantDigits : -value < kSmallestPlainExponent;
}

// "12", "1000", "12.5", "0.0005": no leading zeros, no trailing zeros after
// the point, no trailing point.
bool isPlainForm(std::string_view text, int significantDigits) {
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) {
        return false;
    }
    const auto limit = static_cast<std::size_t>(significantDigits);
    if (point == std::string_view::npos) {
        return (whole == "0" || whole[0] != '0') && whole.size() <= limit;
    }
    if (fraction.empty() || fraction.back() == '0') {
        return false;
    }
    if (whole == "0") {
        const std::size_t zeros = leadingZeros(fraction);
        return zeros < static_cast<std::size_t>(-kSmallestPlainExponent) &&
               fraction.size() - zeros <= limit;
    }
    return whole[0] != '0' && whole.size() + fraction.size() <= limit;
}

bool isMagnitude(std::string_view text, int significantDigits) {
    if (text.size() > static_cast<std::size_t>(significantDigits) + kNumberOverhead) {
        return false;
    }
    if (text.find('E') != std::string_view::npos) {
        return isExponentForm(text, significantDigits);
    }
    return isPlainForm(text, significantDigits);
}

// " 12", "-3": a sign position, then the magnitude.
bool isSignedNumber(std::string_view text, int significantDigits) {
    if (text.empty() || (text[0] != ' ' && text[0] != '-')) {
        return false;
    }
    const std::string_view magnitude = text.substr(1);
    return isMagnitude(magnitude, significantDigits) && !(text[0] == '-' && magnitude == "0");
}

bool isResultText(std::string_view text) {
    for (const ResultLabels& labels : kResults) {
        if (text.size() < labels.first.size() + labels.second.size() + labels.tail.size() ||
            text.substr(0, labels.first.size()) != labels.first ||
            text.substr(text.size() - labels.tail.size()) != labels.tail) {
            continue;
        }
        const std::string_view numbers = text.substr(
            labels.first.size(), text.size() - labels.first.size() - labels.tail.size());
        const auto second = numbers.find(labels.second);
        if (second == std::string_view::npos) {
            continue;
        }
        if (isNumberText(numbers.substr(0, second), kDoubleDigits) &&
            isNumberText(numbers.substr(second + labels.second.size()), kDoubleDigits)) {
            return true;
        }
    }
    return false;
}

// A text some operation writes as a whole, before any digits are appended.
bool isWrittenText(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (std::find(kPrompts.begin(), kPrompts.end(), text) != kPrompts.end()) {
        return true;
    }
    if (kOperatorCharacters.find(text.back()) != std::string_view::npos &&
        isSignedNumber(text.substr(0, text.size() - 1), kFloatDigits)) {
        return true;  // an operator: " 12+"
    }
    return isSignedNumber(text, kDoubleDigits)  // the sign change: "-12.5"
           || isNumberText(text, kFloatDigits)  // equals: "15"
           || isResultText(text);
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        const bool overlong =
            (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

bool isNumberText(std::string_view text, int significantDigits) {
    if (!text.empty() && text[0] == '-') {
        const std::string_view magnitude = text.substr(1);
        return magnitude != "0" && isMagnitude(magnitude, significantDigits);
    }
    return isMagnitude(text, significantDigits);
}

bool isInputBoxText(std::string_view text) {
    return text.empty() || isMagnitude(text, kDoubleDigits);
}

bool isMainText(std::string_view text) {
    // Typed digits and points follow the written text; where one ends and
    // the other begins is open, so try every split inside the trailing run.
    std::size_t typedFrom = text.size();
    while (typedFrom > 0 && isTyped(text[typedFrom - 1])) {
        --typedFrom;
    }
    for (std::size_t end = typedFrom; end <= text.size(); ++end) {
        if (isWrittenText(text.substr(0, end))) {
            return true;
        }
    }
    return false;
}

}  // namespace zorvane::checks
