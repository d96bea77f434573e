#include <string>

#include "Calculator.h"
#include "NumberText.h"
#include "Rounding.h"

namespace zorvane {

namespace {

char operatorCharacter(std::uint8_t op) {
    switch (op) {
        case 1:
            return '+';
        case 2:
            return '-';
        case 3:
            return '*';
        case 4:
            return '/';
        default:
            return '?';
    }
}

CalcValue calculate(std::uint8_t op, const CalcValue& left, const CalcValue& right) {
    switch (op) {
        case 1:
            return left + right;
        case 2:
            return left - right;
        case 3:
            return left * right;
        default:
            return left / right;
    }
}

bool isArithmetic(std::uint8_t code) {
    return code >= 1 && code <= 4;
}
bool isTradingFunction(std::uint8_t code) {
    return code >= 5 && code <= 8;
}

constexpr int kShownDecimals = 3;

}  // namespace

// An operator computes nothing: it replaces any pending operation and takes
// the last value as the left-hand operand.
void onOperator(CalculatorState& state, DisplayPort& display, std::uint8_t op) {
    state.opCode = op;
    state.accumulator = CalcValue::float32(state.resultValue);
    state.fractionDigits = 0;
    state.digitMantissa = 0.0f;
    state.decimalMode = 0;
    state.functionMode = 0;
    display.setMainText(signedNumericText(state.resultValue) + operatorCharacter(op));
}

// Equals keeps the operation and its right-hand operand, so that repeated
// presses apply them again to the last result.
void onEquals(CalculatorState& state, DisplayPort& display) {
    state.decimalMode = 0;
    state.digitMantissa = 0.0f;
    state.fractionDigits = 0;
    if (isTradingFunction(state.opCode)) {
        onFunctionEquals(state, display);
        return;
    }
    if (!isArithmetic(state.opCode)) {
        return;
    }
    const CalcValue result = calculate(state.opCode, state.accumulator, state.entryValue);
    state.resultValue = toFloat32(result.toDouble());
    display.setMainText(numericText(roundHalfEven(state.resultValue, kShownDecimals)));
    state.accumulator = CalcValue::float32(state.resultValue);
}

}  // namespace zorvane
