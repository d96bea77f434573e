#pragma once

#include <cstdint>
#include <string>

#include "CalcValue.h"

namespace zorvane {

// The pending operation: one of the four arithmetic operators or one of the
// four trading functions. The values and the 8-bit width are those the
// window's buttons pass.
enum class OpCode : std::uint8_t {
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
    Rebound = 5,
    Pullback = 6,
    SellOff = 7,
    Cost = 8,
};

// Everything the calculator remembers while it runs. The window owns exactly
// one; every engine operation reads and writes it.
struct CalculatorState {
    CalcValue entryValue;             // the number being typed: right-hand operand
    OpCode opCode = OpCode::None;     // the operator or trading function selected last
    CalcValue accumulator;            // left-hand operand
    bool decimalMode = false;         // the point was pressed for this number
    float digitMantissa = 0.0f;       // the typed digits read as a whole number
    std::int16_t fractionDigits = 0;  // how many of them stand after the point
    float resultValue = 0.0f;         // last result, or the number being typed
    bool functionMode = false;        // typed numbers go to the input box
    bool awaitingSecond = false;      // a trading function holds its first input
    std::string firstInput;           // trading-function inputs, as read from the box
    std::string secondInput;
    CalcValue perShareFee;  // fees per share of the round-trip cost
};

}  // namespace zorvane
