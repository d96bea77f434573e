#pragma once

#include <optional>
#include <string>

#include "Operations.h"
#include "StepRules.h"

namespace zorvane::checks {

// What a button operation that went through leaves behind, whatever the
// state it started from: the mode and pending operation it sets, the number
// entry fields it clears or keeps, and where its characters went. Returns the
// first broken rule, or nothing. Keys are compared with their buttons instead.
std::optional<std::string> brokenEffect(const Operation& operation, const Calculator& before,
                                        const Calculator& after);

}  // namespace zorvane::checks
