#pragma once

#include <cstdint>

#include "CalcError.h"
#include "CalculatorState.h"
#include "DisplayPort.h"

namespace zorvane {

// The engine operations, one per window event. Each runs to completion, may
// throw CalcError part-way, and keeps no state beyond CalculatorState.

// Start-up and reset.
void onLoad(CalculatorState& state, DisplayPort& display);
void onReset(CalculatorState& state, DisplayPort& display);

// Number entry.
void onDigit(CalculatorState& state, DisplayPort& display, int digit);
void onPoint(CalculatorState& state, DisplayPort& display);
void onSignChange(CalculatorState& state, DisplayPort& display);

// Arithmetic: op is 1 add, 2 subtract, 3 multiply, 4 divide.
void onOperator(CalculatorState& state, DisplayPort& display, std::uint8_t op);
void onEquals(CalculatorState& state, DisplayPort& display);

// Trading functions: code is 5 rebound, 6 pullback, 7 sell-off, 8 round-trip cost.
void onFunction(CalculatorState& state, DisplayPort& display, std::uint8_t code);
void onFunctionEquals(CalculatorState& state, DisplayPort& display);

// Keyboard: a typed character performs the operation of the button with that
// caption; Esc resets; anything else is ignored.
void onKey(CalculatorState& state, DisplayPort& display, char16_t ch);

}  // namespace zorvane
