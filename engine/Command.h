#pragma once

#include <cstdint>

namespace zorvane {

// Everything the user can ask of the calculator: a button of the window, or
// the key that works like it. The window, the keyboard table and the test
// drivers all hand the engine one of these. press() routes them by their
// groups in this order: digits, point, sign change, the operators in the
// order of their operation codes, equals, reset, the trading functions in
// the order of theirs.
enum class Command : std::uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    SignChange,
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    Reset,
    Rebound,
    Pullback,
    SellOff,
    Cost,
};

// The command of the digit button d (0 to 9).
constexpr Command digitCommand(int d) {
    return static_cast<Command>(static_cast<int>(Command::Digit0) + d);
}

}  // namespace zorvane
