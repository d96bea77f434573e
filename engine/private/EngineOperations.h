#pragma once

#include <string>

#include "Calculator.h"

namespace zorvane {

// The operations behind the commands, one per kind of button, and the two
// ways the engine shows a text. Only the engine calls them: press() is the
// way in from outside.

// Reset (Reset.cpp).
void onReset(CalculatorState& state, DisplayPort& display);

// Number entry (NumberEntry.cpp).
void onDigit(CalculatorState& state, DisplayPort& display, int digit);
void onPoint(CalculatorState& state, DisplayPort& display);
void onSignChange(CalculatorState& state, DisplayPort& display);

// Arithmetic (Arithmetic.cpp): op is Add, Subtract, Multiply or Divide.
void onOperator(CalculatorState& state, DisplayPort& display, OpCode op);
void onEquals(CalculatorState& state, DisplayPort& display);

// Trading functions (TradingFunctions.cpp): code is Rebound, Pullback,
// SellOff or Cost (round trip).
void onFunction(CalculatorState& state, DisplayPort& display, OpCode code);
void onFunctionEquals(CalculatorState& state, DisplayPort& display);
// After a function's results, the first key of a new price shows the
// function's first prompt again; otherwise nothing.
void promptNewRound(CalculatorState& state, DisplayPort& display);

// The boxes show what the state holds.
inline void showMain(CalculatorState& state, DisplayPort& display, std::string text,
                     TextKind kind) {
    state.shown.mainText = std::move(text);
    state.shown.mainKind = kind;
    display.setMainText(state.shown.mainText, kind);
}

inline void showInput(CalculatorState& state, DisplayPort& display, std::string text) {
    state.shown.inputText = std::move(text);
    display.setInputText(state.shown.inputText);
}

inline void showInputBox(CalculatorState& state, DisplayPort& display, bool visible) {
    state.shown.inputVisible = visible;
    display.setInputVisible(visible);
}

}  // namespace zorvane
