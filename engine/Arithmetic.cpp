#include <optional>
#include <string_view>

#include "CalcError.h"
#include "EngineOperations.h"
#include "NumberText.h"

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
// result kept whole as the next left-hand operand and shown rounded. Results
// keep the range they always had: beyond the largest 32-bit float is an
// overflow.
void calculate(CalculatorState& state, DisplayPort& display) {
    PendingOperation& operation = state.operation;
    const bool zeroDivisor =
        operation.opCode == OpCode::Divide && operation.entryValue.toDouble() == 0.0;
    const double result = atStep(zeroDivisor ? CalcStep::ZeroDivisor : CalcStep::Result, [&] {
        return apply(operation.opCode, operation.accumulator, operation.entryValue).toDouble();
    });
    if (!nearestFloat32(result)) {
        throw CalcError(CalcFailure::Overflow);
    }
    operation.resultValue = result;
    showMain(state, display, numericText(roundHalfEven(result, kShownDecimals)), TextKind::Result);
    operation.accumulator = CalcValue::float64(result);
}

// The number the input box shows, if it shows one: a price being typed, or
// the one it kept after a failed step.
std::optional<double> numberInInputBox(const CalculatorState& state) {
    if (!state.shown.inputVisible || state.shown.inputText.empty()) {
        return std::nullopt;
    }
    return textValue(state.shown.inputText);
}

}  // namespace

// An operator computes nothing: it replaces any pending operation and takes
// the number shown as the left-hand operand: the input box's, else the last
// value. The box goes, so that the operator's text stands in full view.
void onOperator(CalculatorState& state, DisplayPort& display, OpCode op) {
    if (const auto shown = numberInInputBox(state)) {
        state.operation.resultValue = *shown;
    }
    state.operation.opCode = op;
    state.operation.accumulator = CalcValue::float64(state.operation.resultValue);
    state.entry = {};
    state.trading.functionMode = false;
    showInputBox(state, display, false);
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
