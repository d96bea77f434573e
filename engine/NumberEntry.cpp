#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "EngineOperations.h"
#include "NumberText.h"

namespace zorvane {

namespace {

// The first mantissa with one digit too many.
constexpr std::uint64_t kMantissaLimit = [] {
    std::uint64_t limit = 1;
    for (int i = 0; i < NumberEntry::kMaxSignificantDigits; ++i) {
        limit *= 10;
    }
    return limit;
}();

// From this many decimals on, 10^n is beyond the 64-bit range.
constexpr int kFirstDecimalOutOfRange = std::numeric_limits<double>::max_exponent10 + 1;

// The typed digits as the 64-bit float nearest to the decimal they write,
// with the sign the number keeps: from_chars rounds the decimal once.
CalcValue typedValue(const CalculatorState& state) {
    const std::string text = std::to_string(state.entry.digitMantissa) + "e-" +
                             std::to_string(state.entry.fractionDigits);
    double magnitude = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return CalcValue::float64(state.entry.sign == EntrySign::Negative ? -magnitude : magnitude);
}

// The mantissa's digits with the point fractionDigits from their end: "12.5",
// "0.05", "12.", "0.00".
std::string typedDigits(const CalculatorState& state) {
    std::string digits = std::to_string(state.entry.digitMantissa);
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
    // Leading zeros keep the mantissa at 0 and do not count; every digit after
    // the first non-zero one does.
    const std::uint64_t mantissa = state.entry.digitMantissa * 10 + static_cast<unsigned>(digit);
    if (mantissa >= kMantissaLimit) {
        throw CalcError(CalcFailure::FloatingPoint);
    }
    // Beyond the 308th decimal a 64-bit float loses a number's digits: only
    // zeros may go on there.
    if (mantissa != 0 && fractionDigits >= kFirstDecimalOutOfRange) {
        throw CalcError(CalcFailure::Overflow);
    }
    state.entry.digitMantissa = mantissa;
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
