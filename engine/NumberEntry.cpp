#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "Calculator.h"
#include "NumberText.h"
#include "Rounding.h"

namespace zorvane {

namespace {

// 10 raised to n as the nearest 64-bit float; infinity from 10^309 on, so that
// a number with that many decimals comes out as 0.
double powerOfTen(int n) {
    const std::string text = "1e" + std::to_string(n);
    double power = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), power);
    if (parsed.ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return power;
}

// In normal mode the typed character is appended to whatever the main
// display shows; the display is not rebuilt from the value.
void appendToMainText(DisplayPort& display, char c) {
    display.setMainText(display.getMainText() + c);
}

}  // namespace

void onDigit(CalculatorState& state, DisplayPort& display, int digit) {
    if (state.decimalMode) {
        if (state.fractionDigits == std::numeric_limits<std::int16_t>::max()) {
            throw CalcError(CalcFailure::Overflow);
        }
        ++state.fractionDigits;
    }
    // Exact in 64 bits, then rounded to the 32-bit mantissa after every digit.
    const auto mantissa = nearestFloat32(static_cast<double>(state.digitMantissa) * 10 + digit);
    if (!mantissa) {
        throw CalcError(CalcFailure::FloatingPoint);
    }
    state.digitMantissa = *mantissa;
    state.entryValue = CalcValue::float64(state.digitMantissa / powerOfTen(state.fractionDigits));

    if (state.functionMode) {
        display.setInputText(numericText(state.entryValue));
    } else {
        state.resultValue = toFloat32(state.entryValue.toDouble());
        appendToMainText(display, static_cast<char>('0' + digit));
        if ((digit == 4 || digit == 5) && !state.decimalMode) {
            display.setInputVisible(false);
        }
    }
    display.focusEquals();
}

void onPoint(CalculatorState& state, DisplayPort& display) {
    state.decimalMode = true;
    if (!state.functionMode) {
        appendToMainText(display, '.');
    }
    display.focusEquals();
}

void onSignChange(CalculatorState& state, DisplayPort& display) {
    if (state.functionMode) {
        state.functionMode = false;
    }
    state.entryValue = state.entryValue.negated();
    state.resultValue = toFloat32(state.entryValue.toDouble());
    display.setMainText(signedNumericText(state.entryValue));
    display.setInputVisible(false);
    display.focusEquals();
}

}  // namespace zorvane
