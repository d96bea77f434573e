#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "KeyDriver.h"

namespace zorvane::checks {

// One step of a sequence: a button pressed by its KeyDriver letter, a
// character typed on the keyboard, or one digit button pressed many times.
struct Operation {
    enum class Kind : std::uint8_t { Button, Key, DigitRun };
    Kind kind = Kind::Button;
    char16_t character = u'C';  // the letter or typed character; the digit of a run
    int count = 1;              // presses of a digit run
};

// Reads bytes as key presses, one operation each: the KeyDriver letters
// "0"-"9" ".", "~", "+-*/", "=", "C" and "R" "P" "S" "K" press their buttons;
// "k" and two more bytes (low, high) type that 16-bit character; "x", a digit
// and a count byte repeat the digit (count byte n below 0xF0: n + 1 times,
// from 0xF0 on: 2^(n - 0xF0) times, up to 32768). Every other byte is typed
// as a character. Missing bytes at the end count as 0.
std::vector<Operation> decodeOperations(std::span<const std::uint8_t> bytes);

// Presses the button or types the character; a digit run presses its digit
// once (the runner checks it digit by digit).
void perform(const Operation& operation, KeyDriver& calculator);

// The command the operation gives the calculator, if any.
std::optional<Command> commandOf(const Operation& operation);

// "button R", "key U+001B", "32768 times digit 0".
std::string describe(const Operation& operation);

}  // namespace zorvane::checks
