#pragma once

#include <cstdint>
#include <stdexcept>

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

class CalcError : public std::runtime_error {
public:
    explicit CalcError(CalcFailure failure);
    CalcFailure failure() const { return failure_; }

private:
    CalcFailure failure_;
};

}  // namespace zorvane
