#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CalculatorState.h"
#include "NumberText.h"

// The number the main display ends with: its digits and point, an exponent
// ("E+07"), and the sign position when the number starts the text. " 12+3"
// ends with "3", "-12.5" is "-12.5" and " 1.234567E+07*5" ends with "5".
inline std::string_view shownNumber(std::string_view text) {
    auto isNumberCharacter = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    std::size_t start = text.size();
    while (start > 0 && isNumberCharacter(text[start - 1])) {
        --start;
    }
    if (start >= 2 && (text[start - 1] == '+' || text[start - 1] == '-') &&
        text[start - 2] == 'E') {
        start -= 2;
        while (start > 0 && isNumberCharacter(text[start - 1])) {
            --start;
        }
    }
    if (start == 1 && (text[0] == ' ' || text[0] == '-')) {
        start = 0;
    }
    return text.substr(start);
}

// Whether the main display shows the number the calculator holds, after a
// digit, point or sign change in normal mode. A typed number is held as the
// 64-bit float nearest to its text, exactly what reading the text gives; a
// number that was not typed since it became fresh (the sign change of a
// result) shows its 15 significant digits. Returns what is wrong, or nothing.
// It reads the number held from the state: the rule is that the text and that
// number agree.
inline std::optional<std::string> brokenShownNumber(const zorvane::CalculatorState& state,
                                                    const std::string& mainText) {
    const std::string_view text = shownNumber(mainText);
    const double held = state.operation.entryValue.toDouble();
    const double expected =
        state.entry.typed ? held : zorvane::textValue(zorvane::numericText(held));
    if (zorvane::textValue(text) == expected) {
        return std::nullopt;
    }
    return "the main display ends with \"" + std::string(text.substr(0, 60)) +
           "\" while the number held is " + zorvane::numericText(held);
}
