#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>

namespace zorvane {

// The four run-time failures of the number handling. The engine checks no
// input ahead of time; an operation that fails stops at the failing step and
// throws CalcError, leaving every field it already wrote as it is.
enum class CalcFailure : std::uint8_t {
    Overflow,
    DivisionByZero,
    TypeMismatch,
    FloatingPoint,
};

// The step of an operation that failed, so that the window can say what went
// wrong without guessing it from the state.
enum class CalcStep : std::uint8_t {
    Entry,        // a digit or the point added to the number being typed
    ZeroDivisor,  // "=" dividing by a number that is 0
    Result,       // "=" working out an arithmetic result or a trading function's prices
    ShareCount,   // the round-trip cost dividing its fees by the number of shares
};

// What press() reports of a failed command.
struct StepFailure {
    CalcStep step;
    CalcFailure failure;

    bool operator==(const StepFailure&) const = default;
};

class CalcError : public std::runtime_error {
public:
    explicit CalcError(CalcFailure failure, std::optional<CalcStep> step = std::nullopt);
    CalcFailure failure() const { return failure_; }
    // The step named by the innermost atStep() around the throw, if any.
    std::optional<CalcStep> step() const { return step_; }

private:
    CalcFailure failure_;
    std::optional<CalcStep> step_;
};

// Runs `work` as one step: a CalcError it throws names this step, unless a
// step inside it named its own.
template <typename Work>
decltype(auto) atStep(CalcStep step, Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const CalcError& error) {
        if (error.step()) {
            throw;
        }
        throw CalcError(error.failure(), step);
    }
}

}  // namespace zorvane
