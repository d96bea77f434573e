#pragma once

#include <cstdint>
#include <string>

#include "CalcValue.h"

namespace zorvane {

// Everything the calculator remembers while it runs. The window owns exactly
// one; every engine operation reads and writes it.
struct CalculatorState {
    CalcValue entryValue;             // the number being typed: right-hand operand
    std::uint8_t opCode = 0;          // 0 nothing, 1-4 + - * /, 5-8 trading function
    CalcValue accumulator;            // left-hand operand
    std::uint8_t decimalMode = 0;     // the point was pressed for this number
    float digitMantissa = 0.0f;       // the typed digits read as a whole number
    std::int16_t fractionDigits = 0;  // how many of them stand after the point
    float resultValue = 0.0f;         // last result, or the number being typed
    std::uint8_t functionMode = 0;    // typed numbers go to the input box
    std::uint8_t awaitingSecond = 0;  // a trading function holds its first input
    std::string firstInput;           // trading-function inputs, as read from the box
    std::string secondInput;
    CalcValue perShareFee;  // fees per share of the round-trip cost
};

}  // namespace zorvane
