#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "CalculatorState.h"
#include "DisplayPort.h"

namespace zorvane::checks {

// One engine operation, as a window event would call it.
enum class Action : std::uint8_t {
    Digit,     // onDigit(argument)
    DigitRun,  // Digit, count times in a row
    Point,
    SignChange,
    Operator,  // onOperator(argument), 1 to 4
    Equals,
    Function,  // onFunction(argument), 5 to 8
    Reset,
    Key,  // onKey(argument), any 16-bit character
};

struct Operation {
    Action action = Action::Reset;
    int argument = 0;
    int count = 1;
};

// Reads bytes as key presses, one operation each, in the letters the engine
// tests use: "0"-"9" digits, "." point, "~" sign change, "+-*/" operators,
// "=" equals, "C" reset, "R" "P" "S" "K" the trading functions 5 to 8.
// "k" and two more bytes (low, high) type that 16-bit character; "x", a
// digit and a count byte repeat the digit (count byte n below 0xF0: n + 1
// times, from 0xF0 on: 2^(n - 0xF0) times, up to 32768). Every other byte is
// typed as a character. Missing bytes at the end count as 0.
std::vector<Operation> decodeOperations(std::span<const std::uint8_t> bytes);

void perform(const Operation& operation, CalculatorState& state, DisplayPort& display);

// "digit 5", "operator 3", "key U+001B", ...
std::string describe(const Operation& operation);

// Whether the operation ends with the focus on the equals button (digits,
// point, sign change, reset, trading-function buttons) rather than leaving it
// where it is (operators, equals). Not for keys.
bool movesFocus(const Operation& operation);

// The button operation a typed character performs, or nothing when the
// character is ignored.
std::optional<Operation> buttonForKey(char16_t key);

}  // namespace zorvane::checks
