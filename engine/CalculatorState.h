#pragma once

// CalculatorState: everything the calculator remembers while it runs, in the
// parts a reader thinks in. The window owns exactly one; every engine
// operation reads and writes it.

#include <cstdint>
#include <string>

#include "CalcValue.h"
#include "DisplayPort.h"

namespace zorvane {

// The pending operation: one of the four arithmetic operators or one of the
// four trading functions.
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

constexpr bool isArithmetic(OpCode op) {
    return op >= OpCode::Add && op <= OpCode::Divide;
}

constexpr bool isTradingFunction(OpCode op) {
    return op >= OpCode::Rebound && op <= OpCode::Cost;
}

// The sign of the number being typed: none yet, or what the sign change made
// of it. A positive number whose sign was changed shows a blank in front.
enum class EntrySign : std::uint8_t { Unsigned, Positive, Negative };

// The number being typed, digit by digit. A fresh number is NumberEntry{}:
// reset, an operator and equals start one.
struct NumberEntry {
    // At most this many significant digits are typed: they are held exactly,
    // and a 64-bit float tells every such number from its neighbours.
    static constexpr int kMaxSignificantDigits = 15;

    bool decimalMode = false;         // the point was pressed for this number
    std::uint64_t digitMantissa = 0;  // the typed digits read as a whole number
    std::int16_t fractionDigits = 0;  // how many of them stand after the point
    // How the number is written, so that the display shows exactly the
    // number the calculator holds.
    bool typed = false;                    // a digit or point since it became fresh
    EntrySign sign = EntrySign::Unsigned;  // kept by the digits typed after a sign change
    std::string operatorTrail;             // " 12+" while the number follows an operator

    bool operator==(const NumberEntry&) const = default;
};

// The two operands and the operation pending between them.
struct PendingOperation {
    OpCode opCode = OpCode::None;  // the operator or trading function selected last
    CalcValue accumulator;         // left-hand operand
    CalcValue entryValue;          // right-hand operand: the number typed last
    double resultValue = 0.0;      // last result, or the number being typed

    bool operator==(const PendingOperation&) const = default;
};

// A trading function's progress through its inputs.
struct TradingRound {
    bool functionMode = false;    // typed numbers go to the input box
    bool awaitingSecond = false;  // the first input is taken; the next equals computes
    std::string firstInput;       // as read from the input box

    bool operator==(const TradingRound&) const = default;
};

// What the two boxes show.
struct ShownTexts {
    std::string mainText;
    TextKind mainKind = TextKind::Number;
    std::string inputText;
    bool inputVisible = false;

    bool operator==(const ShownTexts&) const = default;
};

struct CalculatorState {
    NumberEntry entry;
    PendingOperation operation;
    TradingRound trading;
    ShownTexts shown;

    bool operator==(const CalculatorState&) const = default;
};

}  // namespace zorvane
