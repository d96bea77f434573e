#include "StateInvariants.h"

#include <cmath>

#include "TextShapes.h"

namespace zorvane::checks {

namespace {

bool isFlag(std::uint8_t value) {
    return value == 0 || value == 1;
}

bool isFinite(const CalcValue& value) {
    return std::isfinite(value.toDouble());
}

// Long texts (thousands of typed digits) are cut in the report.
std::string quoted(const std::string& text) {
    constexpr std::size_t kShown = 200;
    if (text.size() <= kShown) {
        return "\"" + text + "\"";
    }
    return "\"" + text.substr(0, kShown) + "\"... (" + std::to_string(text.size()) + " bytes)";
}

std::optional<std::string> brokenStateRule(const CalculatorState& state) {
    if (state.opCode > 8) {
        return "opCode " + std::to_string(state.opCode) + " is beyond 8";
    }
    if (!isFlag(state.decimalMode) || !isFlag(state.functionMode) ||
        !isFlag(state.awaitingSecond)) {
        return "a flag holds neither 0 nor 1";
    }
    if (state.fractionDigits < 0) {
        return "fractionDigits is negative";
    }
    if (state.decimalMode == 0 && state.fractionDigits != 0) {
        return "fractionDigits counts digits without a point";
    }
    if (!std::isfinite(state.digitMantissa) || state.digitMantissa < 0 ||
        std::trunc(state.digitMantissa) != state.digitMantissa) {
        return "digitMantissa is not a finite whole number of at least 0";
    }
    if (state.functionMode == 1 && (state.opCode < 5 || state.opCode > 8)) {
        return "trading-function mode without a trading function selected";
    }
    if (!std::isfinite(state.resultValue) || !isFinite(state.entryValue) ||
        !isFinite(state.accumulator) || !isFinite(state.perShareFee)) {
        return "a number field is not finite";
    }
    return std::nullopt;
}

std::optional<std::string> brokenDisplayRule(const RecordingDisplay& display) {
    if (display.mainAlignment != Alignment::Right && display.mainAlignment != Alignment::Centre) {
        return "the main display is neither right-aligned nor centred";
    }
    if (display.mainEnabled || display.inputEnabled) {
        return "a display accepts typing after start-up";
    }
    if (!isValidUtf8(display.mainText) || !isMainText(display.mainText)) {
        return "main display shows " + quoted(display.mainText);
    }
    if (!isValidUtf8(display.inputText) || !isInputBoxText(display.inputText)) {
        return "input box shows " + quoted(display.inputText);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> brokenInvariant(const CalculatorState& state,
                                           const RecordingDisplay& display) {
    if (auto broken = brokenStateRule(state)) {
        return broken;
    }
    return brokenDisplayRule(display);
}

bool sameState(const CalculatorState& a, const CalculatorState& b) {
    return a.entryValue == b.entryValue && a.opCode == b.opCode && a.accumulator == b.accumulator &&
           a.decimalMode == b.decimalMode && a.digitMantissa == b.digitMantissa &&
           a.fractionDigits == b.fractionDigits && a.resultValue == b.resultValue &&
           a.functionMode == b.functionMode && a.awaitingSecond == b.awaitingSecond &&
           a.firstInput == b.firstInput && a.secondInput == b.secondInput &&
           a.perShareFee == b.perShareFee;
}

bool sameDisplay(const RecordingDisplay& a, const RecordingDisplay& b) {
    return a.mainText == b.mainText && a.mainAlignment == b.mainAlignment &&
           a.inputText == b.inputText && a.inputVisible == b.inputVisible &&
           a.mainEnabled == b.mainEnabled && a.inputEnabled == b.inputEnabled;
}

}  // namespace zorvane::checks
