#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "CalcError.h"
#include "KeyDriver.h"

namespace zorvane::checks {

// A broken check: after which operation, and what was wrong.
struct Finding {
    std::size_t step = 0;  // 1 for the first operation
    std::string operation;
    std::string problem;
};

struct SequenceResult {
    long operations = 0;   // decoded operations performed, a digit run counting once
    long engineCalls = 0;  // engine operations called, each digit of a run counting once
    // CalcErrors raised, counted by CalcFailure.
    std::array<long, 4> failures{};
    std::optional<Finding> finding;
};

// Starts a calculator, performs the operations decoded from bytes (see
// decodeOperations), a digit run digit by digit up to its first failure, and
// checks each step with brokenStep; after every digit, point or sign change
// in normal mode the main display must show the number held
// (brokenShownNumber). At the end, and after every failure, a
// reset must bring back the fresh state (brokenReset). The sequence stops
// early after 40000 engine calls or once the main display holds more than
// 1024 characters.
SequenceResult runSequence(std::span<const std::uint8_t> bytes);

// How one operation ended: normally, with a CalcError, or with anything else.
struct Outcome {
    std::optional<CalcFailure> failure;
    std::optional<std::string> foreignException;
};

// What holds after any step, however the engine works: nothing but a
// CalcError escapes; both texts are valid UTF-8 and show no infinity or NaN;
// every number the calculator holds is finite; and a step that fails leaves
// both texts as they were. Returns the broken check, or nothing.
std::optional<std::string> brokenStep(const KeyDriver& before, const KeyDriver& after,
                                      const Outcome& outcome);

// Whether a reset brings the calculator back to the state a reset gives a
// freshly started one: the same displays, and the same displays after each
// key of a probe sequence that uses every kind of button.
std::optional<std::string> brokenReset(const KeyDriver& calculator);

// "step 12 (button =): main display shows ..."
std::string describe(const Finding& finding);

}  // namespace zorvane::checks
