#pragma once

#include "CalcError.h"
#include "CalculatorState.h"
#include "DisplayPort.h"

namespace zorvane {

// The engine operations, one per window event. Each runs to completion, may
// throw CalcError part-way, and keeps no state beyond CalculatorState.

// Start-up and reset (Reset.cpp).
void onLoad(CalculatorState& state, DisplayPort& display);
void onReset(CalculatorState& state, DisplayPort& display);

// Number entry (NumberEntry.cpp).
void onDigit(CalculatorState& state, DisplayPort& display, int digit);
void onPoint(CalculatorState& state, DisplayPort& display);
void onSignChange(CalculatorState& state, DisplayPort& display);

// Arithmetic (Arithmetic.cpp): op is Add, Subtract, Multiply or Divide.
void onOperator(CalculatorState& state, DisplayPort& display, OpCode op);
void onEquals(CalculatorState& state, DisplayPort& display);

// Trading functions (TradingFunctions.cpp): code is Rebound, Pullback, SellOff
// or Cost (round trip).
void onFunction(CalculatorState& state, DisplayPort& display, OpCode code);
void onFunctionEquals(CalculatorState& state, DisplayPort& display);

// Keyboard (Keyboard.cpp): a typed character performs the operation of the
// button with that caption; Esc resets; anything else is ignored.
void onKey(CalculatorState& state, DisplayPort& display, char16_t ch);

}  // namespace zorvane
