#include "CalcError.h"

namespace zorvane {

namespace {

const char* describe(CalcFailure failure) {
    switch (failure) {
        case CalcFailure::Overflow:
            return "overflow";
        case CalcFailure::DivisionByZero:
            return "division by zero";
        case CalcFailure::TypeMismatch:
            return "type mismatch";
        case CalcFailure::FloatingPoint:
            return "floating-point error";
    }
    return "calculation error";
}

}  // namespace

CalcError::CalcError(CalcFailure failure, std::optional<CalcStep> step)
    : std::runtime_error(describe(failure)), failure_(failure), step_(step) {}

}  // namespace zorvane
