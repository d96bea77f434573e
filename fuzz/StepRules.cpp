#include "StepRules.h"

#include <cstdint>
#include <exception>
#include <limits>

#include "EffectRules.h"
#include "StateInvariants.h"

namespace zorvane::checks {

namespace {

// The failure of the cost step follows from the number of shares in the input
// box: none typed, 0, or anything else (then only a formula can overflow).
CalcFailure costFailure(const std::string& shares) {
    if (shares.empty()) {
        return CalcFailure::TypeMismatch;
    }
    return shares == "0" ? CalcFailure::DivisionByZero : CalcFailure::FloatingPoint;
}

// The failures equals can raise, by the operation it performs.
bool equalsMayRaise(const Calculator& before, CalcFailure failure) {
    const CalculatorState& was = before.state;
    switch (was.opCode) {
        case 1:
        case 2:
        case 3:
            return failure == CalcFailure::Overflow;
        case 4:
            return failure == CalcFailure::Overflow || failure == CalcFailure::DivisionByZero;
        case 5:
        case 6:  // the prompt step cannot fail, the target step only in its formulas
            return was.awaitingSecond == 1 && failure == CalcFailure::FloatingPoint;
        case 7:
            return failure == CalcFailure::FloatingPoint;
        case 8:
            return was.awaitingSecond == 1 && failure == costFailure(before.display.inputText);
        default:
            return false;
    }
}

// Digits fail past the last digit after the point, or past the largest
// mantissa; nothing but digits and equals fails at all.
bool mayRaise(const Operation& operation, const Calculator& before, CalcFailure failure) {
    const CalculatorState& was = before.state;
    switch (operation.action) {
        case Action::Digit: {
            const bool lastFractionDigit =
                was.decimalMode == 1 &&
                was.fractionDigits == std::numeric_limits<std::int16_t>::max();
            return failure ==
                   (lastFractionDigit ? CalcFailure::Overflow : CalcFailure::FloatingPoint);
        }
        case Action::Equals:
            return equalsMayRaise(before, failure);
        default:
            return false;
    }
}

// A failed operation stops where it failed: it never gets as far as writing a
// text, an operand, the result or the pending operation.
std::optional<std::string> brokenFailureRule(const Operation& operation, const Calculator& before,
                                             const Calculator& after, CalcFailure failure) {
    const auto button = operation.action == Action::Key
                            ? buttonForKey(static_cast<char16_t>(operation.argument))
                            : std::optional<Operation>(operation);
    if (!button || !mayRaise(*button, before, failure)) {
        return std::string("raised \"") + CalcError(failure).what() + "\", which it cannot here";
    }
    const CalculatorState& was = before.state;
    const CalculatorState& is = after.state;
    if (before.display.mainText != after.display.mainText ||
        before.display.inputText != after.display.inputText) {
        return "changed a display text before failing";
    }
    if (!(was.entryValue == is.entryValue) || !(was.accumulator == is.accumulator) ||
        was.resultValue != is.resultValue || was.opCode != is.opCode ||
        was.awaitingSecond != is.awaitingSecond || !(was.perShareFee == is.perShareFee)) {
        return "changed an operand, the result or the pending operation before failing";
    }
    return std::nullopt;
}

std::optional<std::string> brokenFocusRule(const Operation& operation, const Calculator& before,
                                           const Calculator& after) {
    if (operation.action == Action::Key) {
        return std::nullopt;  // keys are compared with their buttons instead
    }
    const bool moved = after.display.focusEqualsCalls > before.display.focusEqualsCalls;
    if (moved != movesFocus(operation)) {
        return moved ? "moved the focus to equals" : "left the focus where it was";
    }
    return std::nullopt;
}

// A typed character must do exactly what its button does, and an ignored
// character nothing at all.
std::optional<std::string> brokenKeyRule(const Operation& operation, const Calculator& before,
                                         const Calculator& after, const Outcome& outcome) {
    if (operation.action != Action::Key) {
        return std::nullopt;
    }
    const auto button = buttonForKey(static_cast<char16_t>(operation.argument));
    Calculator clicked = before;
    Outcome clickedOutcome;
    if (button) {
        clickedOutcome = performCatching(*button, clicked);
    }
    if (clickedOutcome.failure != outcome.failure) {
        return button ? "failed differently from its button" : "failed though it is ignored";
    }
    if (!sameState(clicked.state, after.state) || !sameDisplay(clicked.display, after.display) ||
        clicked.display.focusEqualsCalls != after.display.focusEqualsCalls) {
        return button ? "did not do what its button does" : "changed something though ignored";
    }
    return std::nullopt;
}

}  // namespace

Outcome performCatching(const Operation& operation, Calculator& calculator) {
    try {
        perform(operation, calculator.state, calculator.display);
    } catch (const CalcError& error) {
        return {error.failure(), std::nullopt};
    } catch (const std::exception& error) {
        return {std::nullopt, std::string("threw std::exception: ") + error.what()};
    } catch (...) {
        return {std::nullopt, std::string("threw something that is not a std::exception")};
    }
    return {};
}

std::optional<std::string> brokenStepRule(const Operation& operation, const Calculator& before,
                                          const Calculator& after, const Outcome& outcome) {
    if (outcome.foreignException) {
        return outcome.foreignException;
    }
    if (outcome.failure) {
        if (auto broken = brokenFailureRule(operation, before, after, *outcome.failure)) {
            return broken;
        }
    } else if (auto broken = brokenFocusRule(operation, before, after)) {
        return broken;
    } else if (auto effect = brokenEffect(operation, before, after)) {
        return effect;
    }
    if (auto broken = brokenKeyRule(operation, before, after, outcome)) {
        return broken;
    }
    return brokenInvariant(after.state, after.display);
}

std::optional<std::string> brokenResetRule(Calculator& calculator) {
    const Operation reset{Action::Reset};
    const Calculator before = calculator;
    const Outcome outcome = performCatching(reset, calculator);
    return brokenStepRule(reset, before, calculator, outcome);
}

}  // namespace zorvane::checks
