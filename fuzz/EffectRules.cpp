#include "EffectRules.h"

namespace zorvane::checks {

namespace {

using Rule = std::optional<std::string>;

bool entryCleared(const CalculatorState& s) {
    return s.decimalMode == 0 && s.digitMantissa == 0.0f && s.fractionDigits == 0;
}

Rule digitEffect(int digit, const Calculator& before, const Calculator& after) {
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    if (is.opCode != was.opCode || is.functionMode != was.functionMode ||
        is.decimalMode != was.decimalMode) {
        return "changed the mode, the pending operation or the point";
    }
    const std::string typed = before.display.mainText + static_cast<char>('0' + digit);
    if (was.functionMode == 1 ? after.display.mainText != before.display.mainText
                              : after.display.mainText != typed) {
        return "did not show the digit where its mode puts it";
    }
    // Only 4 and 5 typed in normal mode before a point hide the input box.
    const bool hides = was.functionMode == 0 && was.decimalMode == 0 && (digit == 4 || digit == 5);
    if (hides ? after.display.inputVisible
              : after.display.inputVisible != before.display.inputVisible) {
        return "showed or hid the input box wrongly";
    }
    return std::nullopt;
}

Rule pointEffect(const Calculator& before, const Calculator& after) {
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    if (is.decimalMode != 1 || !(is.entryValue == was.entryValue) ||
        is.digitMantissa != was.digitMantissa || is.fractionDigits != was.fractionDigits) {
        return "changed the number, or left decimal mode off";
    }
    const std::string typed = was.functionMode == 1 ? "" : ".";
    if (after.display.mainText != before.display.mainText + typed ||
        after.display.inputText != before.display.inputText) {
        return "did not show the point where its mode puts it";
    }
    return std::nullopt;
}

Rule signChangeEffect(const Calculator& before, const Calculator& after) {
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    if (is.functionMode != 0 || is.opCode != was.opCode ||
        !(is.entryValue == was.entryValue.negated()) || after.display.inputVisible) {
        return "did not negate the number in normal mode with the input box hidden";
    }
    return std::nullopt;
}

Rule operatorEffect(int op, const Calculator& before, const Calculator& after) {
    const CalculatorState& is = after.state;
    const char shown = after.display.mainText.empty() ? '\0' : after.display.mainText.back();
    if (is.opCode != op || is.functionMode != 0 || !entryCleared(is) ||
        !(is.accumulator == CalcValue::float32(before.state.resultValue)) || shown != "?+-*/"[op]) {
        return "did not take the last value as the left-hand operand of its operation";
    }
    return std::nullopt;
}

Rule equalsEffect(const Calculator& before, const Calculator& after) {
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    if (!entryCleared(is) || is.opCode != was.opCode || is.functionMode != was.functionMode ||
        !(is.entryValue == was.entryValue)) {
        return "changed the operation, the mode or the operand, or kept the number entry";
    }
    if (was.opCode >= 1 && was.opCode <= 4 &&
        !(is.accumulator == CalcValue::float32(is.resultValue))) {
        return "did not keep its result as the next left-hand operand";
    }
    return std::nullopt;
}

Rule functionEffect(int code, const Calculator& after) {
    const CalculatorState& is = after.state;
    const RecordingDisplay& d = after.display;
    if (is.opCode != code || is.functionMode != 1 || is.awaitingSecond != 0 || !entryCleared(is) ||
        !d.inputText.empty() || !d.inputVisible || d.mainAlignment != Alignment::Right) {
        return "did not select the function with an empty input box shown";
    }
    return std::nullopt;
}

Rule resetEffect(const Calculator& before, const Calculator& after) {
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    const RecordingDisplay& d = after.display;
    const bool fresh = is.entryValue == CalcValue::int16(0) && is.opCode == 0 &&
                       is.accumulator == CalcValue::int16(0) && entryCleared(is) &&
                       is.resultValue == 0.0f && is.functionMode == 0;
    const bool keptRest = is.awaitingSecond == was.awaitingSecond &&
                          is.firstInput == was.firstInput && is.secondInput == was.secondInput &&
                          is.perShareFee == was.perShareFee;
    const bool cleared = d.mainText.empty() && d.inputText.empty() && !d.inputVisible &&
                         d.mainAlignment == Alignment::Right;
    if (!fresh || !keptRest || !cleared) {
        return "did not give the fresh reset state";
    }
    return std::nullopt;
}

}  // namespace

Rule brokenEffect(const Operation& operation, const Calculator& before, const Calculator& after) {
    switch (operation.action) {
        case Action::Digit:
            return digitEffect(operation.argument, before, after);
        case Action::Point:
            return pointEffect(before, after);
        case Action::SignChange:
            return signChangeEffect(before, after);
        case Action::Operator:
            return operatorEffect(operation.argument, before, after);
        case Action::Equals:
            return equalsEffect(before, after);
        case Action::Function:
            return functionEffect(operation.argument, after);
        case Action::Reset:
            return resetEffect(before, after);
        case Action::DigitRun:
        case Action::Key:
            break;
    }
    return std::nullopt;
}

}  // namespace zorvane::checks
