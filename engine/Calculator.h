#pragma once

#include <optional>

#include "CalcError.h"
#include "CalculatorState.h"
#include "Command.h"
#include "DisplayPort.h"

namespace zorvane {

// The engine's entry points. Each runs to completion, may throw CalcError
// part-way, and keeps no state beyond CalculatorState.

// Start-up, once the window has been created (Reset.cpp).
void onLoad(CalculatorState& state, DisplayPort& display);

// Carries out one command, as its button does (Press.cpp).
void press(CalculatorState& state, DisplayPort& display, Command command);

// The command of a typed character: the button with that caption, Esc for
// reset; nothing for every other character (Keyboard.cpp).
std::optional<Command> onKey(char16_t ch);

}  // namespace zorvane
