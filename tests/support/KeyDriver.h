#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "Calculator.h"
#include "RecordingDisplay.h"

// The command of each letter the drivers use:
//   0-9 . digits and point, ~ sign change, + - * / operators, = equals,
//   C reset, and the trading-function buttons R rebound, P pullback,
//   S sell-off, K round-trip cost.
inline constexpr std::string_view kCommandLetters = "0123456789.~+-*/=CRPSK";

inline zorvane::Command commandOfLetter(char letter) {
    using zorvane::Command;
    constexpr std::array<Command, kCommandLetters.size()> kCommands = {
        Command::Digit0,  Command::Digit1,   Command::Digit2,   Command::Digit3,
        Command::Digit4,  Command::Digit5,   Command::Digit6,   Command::Digit7,
        Command::Digit8,  Command::Digit9,   Command::Point,    Command::SignChange,
        Command::Add,     Command::Subtract, Command::Multiply, Command::Divide,
        Command::Equals,  Command::Reset,    Command::Rebound,  Command::Pullback,
        Command::SellOff, Command::Cost,
    };
    const std::size_t index = kCommandLetters.find(letter);
    if (index == std::string_view::npos) {
        throw std::invalid_argument(std::string("no command letter: ") + letter);
    }
    return kCommands.at(index);
}

// A started calculator driven by a string of command letters. A command that
// fails throws CalcError with the failure and the step the engine reported,
// so that a string of letters stops there.
class KeyDriver {
public:
    zorvane::CalculatorState state;
    RecordingDisplay display;

    KeyDriver() { zorvane::onLoad(state, display); }

    void press(zorvane::Command command) {
        if (const auto failed = zorvane::press(state, display, command)) {
            throw zorvane::CalcError(failed->failure, failed->step);
        }
    }
    void press(char letter) { press(commandOfLetter(letter)); }
    void press(std::string_view letters) {
        for (char letter : letters) {
            press(letter);
        }
    }
    // A typed character, through the keyboard table.
    void type(char16_t ch) {
        if (const auto command = zorvane::onKey(ch)) {
            press(*command);
        }
    }
};
