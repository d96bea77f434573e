#pragma once

#include <optional>
#include <string>

#include "CalculatorState.h"
#include "RecordingDisplay.h"

namespace zorvane::checks {

// What every operation of a started calculator leaves true, whatever came
// before: field ranges, relations between fields, and the shapes of both
// display texts. Returns the first broken rule, or nothing.
std::optional<std::string> brokenInvariant(const CalculatorState& state,
                                           const RecordingDisplay& display);

// Whether two states hold the same values in every field.
bool sameState(const CalculatorState& a, const CalculatorState& b);

// Whether two displays show the same texts, alignment and visibility.
bool sameDisplay(const RecordingDisplay& a, const RecordingDisplay& b);

}  // namespace zorvane::checks
