#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "EngineOperations.h"
#include "NumberText.h"

namespace zorvane {

namespace {

// 10 raised to n as the nearest 64-bit float; infinity from 10^309 on.
double powerOfTen(int n) {
    const std::string text = "1e" + std::to_string(n);
    double power = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), power);
    if (parsed.ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return power;
}

// The value of the digits typed so far, with the sign the number keeps.
CalcValue typedValue(const CalculatorState& state) {
    const double magnitude = state.entry.digitMantissa / powerOfTen(state.entry.fractionDigits);
    return CalcValue::float64(state.entry.sign == EntrySign::Negative ? -magnitude : magnitude);
}

// The mantissa's digits with the point fractionDigits from their end: "12.5",
// "0.05", "12.", "0.00". The mantissa is a whole number, written exactly.
std::string typedDigits(const CalculatorState& state) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer,
                      static_cast<double>(state.entry.digitMantissa), std::chars_format::fixed, 0);
    std::string digits(buffer, written.ptr);
    if (!state.entry.decimalMode) {
        return digits;
    }
    const auto fraction = static_cast<std::size_t>(state.entry.fractionDigits);
    if (digits.size() <= fraction) {
        digits.insert(0, fraction + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - fraction, 1, '.');
    return digits;
}

// "-" for a negative number, a blank once the sign change made it positive
// (zero counts as positive), nothing before any sign change.
std::string signPosition(const CalculatorState& state) {
    switch (state.entry.sign) {
        case EntrySign::Unsigned:
            return "";
        case EntrySign::Positive:
            break;
        case EntrySign::Negative:
            return state.operation.entryValue.toDouble() < 0 ? "-" : " ";
    }
    return " ";
}

// The price in the input box, as typed: "10.", "12.30", "-12.30". A trading
// function reads this text, so it takes the number shown.
std::string typedPrice(const CalculatorState& state) {
    std::string price = typedDigits(state);
    if (state.entry.sign == EntrySign::Negative && state.operation.entryValue.toDouble() < 0) {
        price.insert(price.begin(), '-');
    }
    return price;
}

// The number being typed where the user sees it, exactly as the calculator
// holds it: in a trading function in the input box, otherwise in the main
// display behind the operator it follows.
void showTypedNumber(CalculatorState& state, DisplayPort& display) {
    if (state.trading.functionMode) {
        showInput(state, display, typedPrice(state));
        showInputBox(state, display, true);
        return;
    }
    showMain(state, display, state.entry.operatorTrail + signPosition(state) + typedDigits(state),
             TextKind::Number);
    // The input box would cover the right part of the main display, where the number stands.
    showInputBox(state, display, false);
}

}  // namespace

void onDigit(CalculatorState& state, DisplayPort& display, int digit) {
    std::int16_t fractionDigits = state.entry.fractionDigits;
    if (state.entry.decimalMode) {
        if (fractionDigits == std::numeric_limits<std::int16_t>::max()) {
            throw CalcError(CalcFailure::Overflow);
        }
        ++fractionDigits;
    }
    // Exact in 64 bits, then rounded to the 32-bit mantissa after every digit.
    const auto mantissa =
        nearestFloat32(static_cast<double>(state.entry.digitMantissa) * 10 + digit);
    if (!mantissa) {
        throw CalcError(CalcFailure::FloatingPoint);
    }
    // From 309 decimals on, 10^n is beyond the 64-bit range: a number that is
    // not all zeros would be held as 0 while its digits are shown.
    if (*mantissa != 0.0f && std::isinf(powerOfTen(fractionDigits))) {
        throw CalcError(CalcFailure::Overflow);
    }
    state.entry.digitMantissa = *mantissa;
    state.entry.fractionDigits = fractionDigits;
    state.entry.typed = true;
    state.operation.entryValue = typedValue(state);
    if (!state.trading.functionMode) {
        state.operation.resultValue = state.operation.entryValue.toDouble();
    }
    showTypedNumber(state, display);
    display.focusEquals();
}

void onPoint(CalculatorState& state, DisplayPort& display) {
    // A second point in the same number changes nothing.
    if (!state.entry.decimalMode) {
        state.entry.decimalMode = true;
        if (!state.entry.typed) {
            // A point that begins a number begins it at 0.
            state.entry.typed = true;
            state.operation.entryValue = typedValue(state);
            if (!state.trading.functionMode) {
                state.operation.resultValue = state.operation.entryValue.toDouble();
            }
        }
        showTypedNumber(state, display);
    }
    display.focusEquals();
}

void onSignChange(CalculatorState& state, DisplayPort& display) {
    state.operation.entryValue = state.operation.entryValue.negated();
    state.entry.sign =
        state.operation.entryValue.toDouble() < 0 ? EntrySign::Negative : EntrySign::Positive;
    if (state.trading.functionMode) {
        // Inside a trading function the sign belongs to the price in the input box.
        showInput(state, display,
                  state.entry.typed ? typedPrice(state) : numericText(state.operation.entryValue));
        showInputBox(state, display, true);
    } else {
        state.operation.resultValue = state.operation.entryValue.toDouble();
        // The number replaces whatever the main display showed, operator included.
        state.entry.operatorTrail.clear();
        showMain(state, display,
                 state.entry.typed ? signPosition(state) + typedDigits(state)
                                   : signedNumericText(state.operation.entryValue),
                 TextKind::Number);
        showInputBox(state, display, false);
    }
    display.focusEquals();
}

}  // namespace zorvane
