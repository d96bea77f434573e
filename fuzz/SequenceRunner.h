#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zorvane::checks {

// A broken rule: after which operation, and what was wrong.
struct Finding {
    std::size_t step = 0;  // 0 for start-up, then 1 for the first operation
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
// decodeOperations) and checks after each one:
// - the invariants of every state and both display texts;
// - a CalcError comes only from an operation that can raise that failure in
//   the state it started from, and leaves the texts and the operands as they
//   were; nothing else is ever thrown;
// - the focus moves to equals exactly for the operations that move it;
// - a typed character does what its button does, and an unknown one nothing;
// and at the end that a reset still gives the fresh reset state. A digit run
// is checked digit by digit. The sequence stops early after 40000 engine
// calls or once the main display holds more than 1024 characters.
SequenceResult runSequence(std::span<const std::uint8_t> bytes);

// "step 12 (equals): main display shows ..."
std::string describe(const Finding& finding);

}  // namespace zorvane::checks
