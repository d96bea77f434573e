#include <array>
#include <cmath>
#include <string>

#include "EngineOperations.h"
#include "NumberText.h"

namespace zorvane {

namespace {

constexpr int kPriceDecimals = 2;

// Rebound and pullback targets lie these fractions of the way from one price
// to the other; the sell-off targets are these multiples of the price of the
// holding-concentration peak.
constexpr double kStandardReboundShare = 0.375;
constexpr double kStandardPullbackShare = 0.618;
constexpr double kHalfway = 0.5;
constexpr double kConservativeSellOffFactor = 1.375;
constexpr double kStandardSellOffFactor = 1.618;

// The round-trip fees: a base rate on the amount, plus a second rate for a
// large trade or a flat amount for a small one. A trade is large when the
// threshold rate of its amount comes to the threshold or more.
constexpr double kThresholdRate = 0.0015;
constexpr double kThreshold = 5;
constexpr double kBaseRate = 0.002;
constexpr double kLargeTradeRate = 0.0036;
constexpr double kSmallTradeFlatFee = 12;

const std::string kPeakPrompt = "输入相对顶点价格：             ";
const std::string kBottomPrompt = "输入相对底部价：             ";
const std::string kConcentrationPrompt = "输入筹码密集峰价格：             ";
const std::string kSharePricePrompt = "输入股票价格：             ";
const std::string kShareCountPrompt = "输入股票数量：             ";

// The prompt for the first input, by operation code from Rebound on.
const std::string& firstPrompt(OpCode code) {
    static const std::array<const std::string*, 4> kFirstPrompts = {
        &kPeakPrompt, &kPeakPrompt, &kConcentrationPrompt, &kSharePricePrompt};
    return *kFirstPrompts.at(static_cast<std::size_t>(code) -
                             static_cast<std::size_t>(OpCode::Rebound));
}

// Every formula is checked: an overflow or an invalid operation is a
// floating-point error rather than a shown "inf" or "nan".
double checked(double x) {
    if (!std::isfinite(x)) {
        throw CalcError(CalcFailure::FloatingPoint);
    }
    return x;
}

// Both prices rounded to two decimals, each behind its label.
void showResult(CalculatorState& state, DisplayPort& display, const std::string& firstLabel,
                double first, const std::string& secondLabel, double second,
                const std::string& tail) {
    showMain(state, display,
             firstLabel + numericText(roundHalfEven(first, kPriceDecimals)) + secondLabel +
                 numericText(roundHalfEven(second, kPriceDecimals)) + tail,
             TextKind::Result);
}

// Rebound and pullback: the second prompt shows the input box again.
void secondPromptStep(CalculatorState& state, DisplayPort& display) {
    state.trading.firstInput = state.shown.inputText;
    showMain(state, display, kBottomPrompt, TextKind::Prompt);
    showInputBox(state, display, true);
    showInput(state, display, "");
    state.trading.awaitingSecond = true;
}

// Round-trip cost: the box keeps its visibility, hidden in a repeated round.
void quantityPromptStep(CalculatorState& state, DisplayPort& display) {
    state.trading.firstInput = state.shown.inputText;
    showMain(state, display, kShareCountPrompt, TextKind::Prompt);
    showInput(state, display, "");
    state.trading.awaitingSecond = true;
}

void targetStep(CalculatorState& state, DisplayPort& display) {
    display.setMainAlignment(Alignment::Centre);
    const double peak = textValue(state.trading.firstInput);
    const double bottom = textValue(state.shown.inputText);
    const double range = checked(peak - bottom);
    if (state.operation.opCode == OpCode::Rebound) {
        const double standard = checked(checked(range * kStandardReboundShare) + bottom);
        const double medium = checked(checked(range * kHalfway) + bottom);
        showResult(state, display, "标准反弹:", standard, " 中级反弹:", medium, " ");
    } else {
        const double standard = checked(peak - checked(range * kStandardPullbackShare));
        const double conservative = checked(peak - checked(range * kHalfway));
        showResult(state, display, "标准回调:", standard, " 保守回调:", conservative, " ");
    }
    showInputBox(state, display, false);
    state.trading.awaitingSecond = false;
}

void sellOffStep(CalculatorState& state, DisplayPort& display) {
    showInputBox(state, display, false);
    display.setMainAlignment(Alignment::Centre);
    state.trading.firstInput = state.shown.inputText;
    const double concentration = textValue(state.trading.firstInput);
    const double conservative = checked(concentration * kConservativeSellOffFactor);
    const double standard = checked(concentration * kStandardSellOffFactor);
    showResult(state, display, "保守出货:", conservative, "  标准出货:", standard, "");
}

double roundTripFees(double amount) {
    const double base = checked(amount * kBaseRate);
    if (checked(amount * kThresholdRate) >= kThreshold) {
        return checked(base + checked(amount * kLargeTradeRate));
    }
    return checked(base + kSmallTradeFlatFee);
}

void costStep(CalculatorState& state, DisplayPort& display) {
    display.setMainAlignment(Alignment::Centre);
    const double price = textValue(state.trading.firstInput);
    // The number of shares must be a number as a whole; an empty box is not.
    // The box holds a number as typed ("100.", "12.50", "-3") or as
    // numericText wrote it, which textValue would read as the same number.
    const double shares =
        atStep(CalcStep::ShareCount, [&] { return numberInFull(state.shown.inputText); });
    const double fees = roundTripFees(checked(price * shares));
    // The division is the calculator's own: no shares is a division by zero,
    // a quotient beyond the 64-bit range an overflow.
    const double perShare = atStep(CalcStep::ShareCount, [&] {
        return (CalcValue::float64(fees) / CalcValue::float64(shares)).toDouble();
    });
    showResult(state, display, "高抛成本:", checked(price + perShare),
               " 接回成本:", checked(price - perShare), " ");
    showInputBox(state, display, false);
    state.trading.awaitingSecond = false;
}

}  // namespace

void onFunction(CalculatorState& state, DisplayPort& display, OpCode code) {
    onReset(state, display);
    state.trading.awaitingSecond = false;
    state.operation.opCode = code;
    state.trading.functionMode = true;
    showMain(state, display, firstPrompt(code), TextKind::Prompt);
    showInputBox(state, display, true);
    showInput(state, display, "");
    display.focusEquals();
}

void promptNewRound(CalculatorState& state, DisplayPort& display) {
    const bool afterResults = state.shown.mainKind == TextKind::Result &&
                              !state.trading.awaitingSecond && state.trading.functionMode &&
                              isTradingFunction(state.operation.opCode);
    if (afterResults) {
        showMain(state, display, firstPrompt(state.operation.opCode), TextKind::Prompt);
    }
}

// Rebound and pullback take their two prices, the round-trip cost a price and
// a number of shares; the sell-off computes at every equals.
void onFunctionEquals(CalculatorState& state, DisplayPort& display) {
    const OpCode code = state.operation.opCode;
    const bool second = state.trading.awaitingSecond;
    if (code == OpCode::SellOff) {
        sellOffStep(state, display);
    } else if (code == OpCode::Cost) {
        second ? costStep(state, display) : quantityPromptStep(state, display);
    } else {
        second ? targetStep(state, display) : secondPromptStep(state, display);
    }
}

}  // namespace zorvane
