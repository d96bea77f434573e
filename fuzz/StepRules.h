#pragma once

#include <optional>
#include <string>

#include "CalcError.h"
#include "CalculatorState.h"
#include "Operations.h"
#include "RecordingDisplay.h"

namespace zorvane::checks {

// The calculator of one window: its state and what its displays show.
struct Calculator {
    CalculatorState state;
    RecordingDisplay display;
};

// How one operation ended: normally, with a CalcError, or with anything else.
struct Outcome {
    std::optional<CalcFailure> failure;
    std::optional<std::string> foreignException;
};

Outcome performCatching(const Operation& operation, Calculator& calculator);

// Checks one step that took the calculator from before to after: the
// outcome, the focus, the effect of a button, a key against its button, then
// every invariant.
// Returns the first broken rule, or nothing.
std::optional<std::string> brokenStepRule(const Operation& operation, const Calculator& before,
                                          const Calculator& after, const Outcome& outcome);

// Resets the calculator and checks that step like any other.
std::optional<std::string> brokenResetRule(Calculator& calculator);

}  // namespace zorvane::checks
