#pragma once

#include <iomanip>
#include <ostream>

#include "CalcValue.h"

namespace zorvane {

// How GoogleTest shows a value in a failed expectation: "float32 0.3333333432674408".
inline void PrintTo(const CalcValue& value, std::ostream* out) {
    constexpr const char* kKinds[] = {"empty", "int16", "float32", "float64"};
    *out << kKinds[static_cast<int>(value.kind())] << ' ' << std::setprecision(17)
         << value.toDouble();
}

}  // namespace zorvane
