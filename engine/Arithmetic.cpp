#include <string>

#include "NumberText.h"
#include "Operations.h"
#include "Rounding.h"

namespace zorvane {

namespace {

// The character an operator leaves after the left-hand operand; "?" for the
// codes that are no operator, which no operator button passes.
char operatorCharacter(OpCode op) {
    switch (op) {
        case OpCode::Add:
            return '+';
        case OpCode::Subtract:
            return '-';
        case OpCode::Multiply:
            return '*';
        case OpCode::Divide:
            return '/';
        case OpCode::None:
        case OpCode::Rebound:
        case OpCode::Pullback:
        case OpCode::SellOff:
        case OpCode::Cost:
            break;
    }
    return '?';
}

constexpr int kShownDecimals = 3;

// Equals on a pending operator: the operator applied to the two operands, the
// result kept as the next left-hand operand.
void calculate(CalculatorState& state, DisplayPort& display) {
    const CalcValue& left = state.operation.accumulator;
    const CalcValue& right = state.operation.entryValue;
    CalcValue result;
    switch (state.operation.opCode) {
        case OpCode::Add:
            result = left + right;
            break;
        case OpCode::Subtract:
            result = left - right;
            break;
        case OpCode::Multiply:
            result = left * right;
            break;
        case OpCode::Divide:
            result = left / right;
            break;
        case OpCode::None:
        case OpCode::Rebound:
        case OpCode::Pullback:
        case OpCode::SellOff:
        case OpCode::Cost:
            return;
    }
    state.operation.resultValue = toFloat32(result.toDouble());
    showMain(state, display,
             numericText(roundHalfEven(state.operation.resultValue, kShownDecimals)),
             TextKind::Result);
    state.operation.accumulator = CalcValue::float32(state.operation.resultValue);
}

}  // namespace

// An operator computes nothing: it replaces any pending operation and takes
// the last value as the left-hand operand.
void onOperator(CalculatorState& state, DisplayPort& display, OpCode op) {
    state.operation.opCode = op;
    state.operation.accumulator = CalcValue::float32(state.operation.resultValue);
    state.entry = {};
    state.trading.functionMode = false;
    state.entry.operatorTrail =
        signedNumericText(state.operation.resultValue) + operatorCharacter(op);
    showMain(state, display, state.entry.operatorTrail, TextKind::Number);
}

// Equals keeps the operation and its right-hand operand, so that repeated
// presses apply them again to the last result. Whatever it does, and even
// when it fails, the next digit begins a new number.
void onEquals(CalculatorState& state, DisplayPort& display) {
    state.entry = {};
    switch (state.operation.opCode) {
        case OpCode::None:
            return;
        case OpCode::Add:
        case OpCode::Subtract:
        case OpCode::Multiply:
        case OpCode::Divide:
            calculate(state, display);
            return;
        case OpCode::Rebound:
        case OpCode::Pullback:
        case OpCode::SellOff:
        case OpCode::Cost:
            onFunctionEquals(state, display);
            return;
    }
}

}  // namespace zorvane
