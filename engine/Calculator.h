#pragma once

#include <optional>
#include <span>

#include "CalcError.h"
#include "CalculatorState.h"
#include "Command.h"
#include "DisplayPort.h"

namespace zorvane {

// The engine's entry points. Each runs to completion and keeps no state
// beyond CalculatorState.

// Start-up, once the window has been created: the focus goes to "=", as
// after a reset (Reset.cpp).
void onLoad(CalculatorState& state, DisplayPort& display);

// Carries out one command, as its button does (Press.cpp). A command that
// fails stops at the failing step and reports it with the failure; what it
// wrote before stays.
[[nodiscard]] std::optional<StepFailure> press(CalculatorState& state, DisplayPort& display,
                                               Command command);

// Types a pasted price: its keys (digits and the point) replace the number
// being typed, as if typed from the start of a fresh number, in the input
// box or after the main display's operator. Stops at the first key that
// fails (Press.cpp).
[[nodiscard]] std::optional<StepFailure> typeNumber(CalculatorState& state, DisplayPort& display,
                                                    std::span<const Command> keys);

// The character of the Esc key.
inline constexpr char16_t kEscape = 27;

// The command of a typed character: the button with that caption, Esc for
// reset; nothing for every other character (Keyboard.cpp).
std::optional<Command> onKey(char16_t ch);

}  // namespace zorvane
