#include <string_view>

#include "NumberText.h"
#include "EngineOperations.h"

namespace zorvane {

namespace {

constexpr int kShownDecimals = 3;

// The character an operator leaves after the left-hand operand, by
// operation code from Add on.
constexpr std::string_view kOperatorCharacters = "+-*/";

char operatorCharacter(OpCode op) {
    return kOperatorCharacters.at(static_cast<std::size_t>(op) -
                                  static_cast<std::size_t>(OpCode::Add));
}

CalcValue apply(OpCode op, const CalcValue& left, const CalcValue& right) {
    if (op == OpCode::Add) {
        return left + right;
    }
    if (op == OpCode::Subtract) {
        return left - right;
    }
    if (op == OpCode::Multiply) {
        return left * right;
    }
    return left / right;
}

// Equals on a pending operator: the operator applied to the two operands, the
// result kept as the next left-hand operand.
void calculate(CalculatorState& state, DisplayPort& display) {
    PendingOperation& operation = state.operation;
    const CalcValue result = apply(operation.opCode, operation.accumulator, operation.entryValue);
    operation.resultValue = toFloat32(result.toDouble());
    showMain(state, display, numericText(roundHalfEven(operation.resultValue, kShownDecimals)),
             TextKind::Result);
    operation.accumulator = CalcValue::float32(operation.resultValue);
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
    if (isArithmetic(state.operation.opCode)) {
        calculate(state, display);
    } else if (isTradingFunction(state.operation.opCode)) {
        onFunctionEquals(state, display);
    }
}

}  // namespace zorvane
