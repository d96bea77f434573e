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

// The sign of the number being typed: none yet, or what the sign change made
// of it. A positive number whose sign was changed shows a blank in front.
enum class EntrySign : std::uint8_t { Unsigned, Positive, Negative };

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

    // How the number being typed is written, so that the main display shows
    // exactly the number the calculator holds.
    bool entryTyped = false;                    // a digit or point since it became fresh
    EntrySign entrySign = EntrySign::Unsigned;  // kept by the digits typed after a sign change
    std::string operatorTrail;                  // " 12+" while the number follows an operator

    // What the two boxes show.
    std::string mainText;
    std::string inputText;
};

}  // namespace zorvane
