#include <array>
#include <utility>

#include "Calculator.h"

namespace zorvane {

namespace {

// Each key works like the button with that caption; Esc resets.
constexpr std::array<std::pair<char16_t, Command>, 17> kKeys = {{
    {u'0', Command::Digit0},
    {u'1', Command::Digit1},
    {u'2', Command::Digit2},
    {u'3', Command::Digit3},
    {u'4', Command::Digit4},
    {u'5', Command::Digit5},
    {u'6', Command::Digit6},
    {u'7', Command::Digit7},
    {u'8', Command::Digit8},
    {u'9', Command::Digit9},
    {u'.', Command::Point},
    {u'+', Command::Add},
    {u'-', Command::Subtract},
    {u'*', Command::Multiply},
    {u'/', Command::Divide},
    {u'=', Command::Equals},
    {kEscape, Command::Reset},
}};

}  // namespace

std::optional<Command> onKey(char16_t ch) {
    for (const auto& [key, command] : kKeys) {
        if (key == ch) {
            return command;
        }
    }
    return std::nullopt;
}

}  // namespace zorvane
