#include <cmath>
#include <string>

#include "Calculator.h"
#include "NumberText.h"
#include "Rounding.h"

namespace zorvane {

namespace {

constexpr std::uint8_t kRebound = 5;
constexpr std::uint8_t kPullback = 6;
constexpr std::uint8_t kSellOff = 7;
constexpr std::uint8_t kCost = 8;

constexpr int kPriceDecimals = 2;

const std::string kPeakPrompt = "输入相对顶点价格：             ";
const std::string kBottomPrompt = "输入相对底部价：             ";
const std::string kConcentrationPrompt = "输入筹码密集峰价格：             ";
const std::string kSharePricePrompt = "输入股票价格：             ";
const std::string kShareCountPrompt = "输入股票数量：             ";

const std::string& firstPrompt(std::uint8_t code) {
    switch (code) {
        case kSellOff:
            return kConcentrationPrompt;
        case kCost:
            return kSharePricePrompt;
        default:
            return kPeakPrompt;
    }
}

// Every formula is checked: an overflow or an invalid operation is a
// floating-point error rather than a shown "inf" or "nan".
double checked(double x) {
    if (!std::isfinite(x)) {
        throw CalcError(CalcFailure::FloatingPoint);
    }
    return x;
}

std::string resultText(const std::string& firstLabel, double first, const std::string& secondLabel,
                       double second, const std::string& tail) {
    return firstLabel + numericText(roundHalfEven(first, kPriceDecimals)) + secondLabel +
           numericText(roundHalfEven(second, kPriceDecimals)) + tail;
}

void takeFirstInput(CalculatorState& state, DisplayPort& display, const std::string& prompt) {
    state.firstInput = display.getInputText();
    display.setMainText(prompt);
}

// Rebound and pullback: the second prompt shows the input box again.
void secondPromptStep(CalculatorState& state, DisplayPort& display) {
    takeFirstInput(state, display, kBottomPrompt);
    display.setInputVisible(true);
    display.setInputText("");
    state.awaitingSecond = 1;
}

// Round-trip cost: the box keeps its visibility, hidden in a repeated round.
void quantityPromptStep(CalculatorState& state, DisplayPort& display) {
    takeFirstInput(state, display, kShareCountPrompt);
    display.setInputText("");
    state.awaitingSecond = 1;
}

void targetStep(CalculatorState& state, DisplayPort& display) {
    display.setMainAlignment(Alignment::Centre);
    state.secondInput = display.getInputText();
    const double peak = textValue(state.firstInput);
    const double bottom = textValue(state.secondInput);
    const double range = checked(peak - bottom);
    if (state.opCode == kRebound) {
        const double standard = checked(checked(range * 0.375) + bottom);
        const double medium = checked(checked(range * 0.5) + bottom);
        display.setMainText(resultText("标准反弹:", standard, " 中级反弹:", medium, " "));
    } else {
        const double standard = checked(peak - checked(range * 0.618));
        const double conservative = checked(peak - checked(range * 0.5));
        display.setMainText(resultText("标准回调:", standard, " 保守回调:", conservative, " "));
    }
    display.setInputVisible(false);
    state.awaitingSecond = 0;
}

void sellOffStep(CalculatorState& state, DisplayPort& display) {
    display.setInputVisible(false);
    display.setMainAlignment(Alignment::Centre);
    state.firstInput = display.getInputText();
    const double concentration = textValue(state.firstInput);
    const double conservative = checked(concentration * 1.375);
    const double standard = checked(concentration * 1.618);
    display.setMainText(resultText("保守出货:", conservative, "  标准出货:", standard, ""));
}

// Fees of buying and selling back: a rate on the amount, plus either a second
// rate or a flat amount depending on how large the trade is.
double roundTripFees(double amount) {
    const double feeAtLowRate = checked(amount * 0.0015);
    if (feeAtLowRate >= 5) {
        return checked(checked(amount * 0.002) + checked(amount * 0.0036));
    }
    return checked(checked(amount * 0.002) + 12);
}

void costStep(CalculatorState& state, DisplayPort& display) {
    display.setMainAlignment(Alignment::Centre);
    state.secondInput = display.getInputText();
    const double price = textValue(state.firstInput);
    const double quantity = textValue(state.secondInput);
    const double fees = roundTripFees(checked(price * quantity));
    // The number of shares must be a number as a whole; an empty box is not.
    const double shares = numberInFull(state.secondInput);
    if (shares == 0) {
        throw CalcError(CalcFailure::DivisionByZero);
    }
    state.perShareFee = CalcValue::float64(checked(fees / shares));
    const double perShare = state.perShareFee.toDouble();
    display.setMainText(resultText("高抛成本:", checked(price + perShare),
                                   " 接回成本:", checked(price - perShare), " "));
    display.setInputVisible(false);
    state.awaitingSecond = 0;
}

}  // namespace

void onFunction(CalculatorState& state, DisplayPort& display, std::uint8_t code) {
    onReset(state, display);
    state.awaitingSecond = 0;
    state.opCode = code;
    state.functionMode = 1;
    display.setMainText(firstPrompt(code));
    display.setInputVisible(true);
    display.setInputText("");
    display.focusEquals();
}

void onFunctionEquals(CalculatorState& state, DisplayPort& display) {
    switch (state.opCode) {
        case kRebound:
        case kPullback:
            if (state.awaitingSecond == 0) {
                secondPromptStep(state, display);
            } else {
                targetStep(state, display);
            }
            break;
        case kSellOff:
            sellOffStep(state, display);
            break;
        case kCost:
            if (state.awaitingSecond == 0) {
                quantityPromptStep(state, display);
            } else {
                costStep(state, display);
            }
            break;
        default:
            break;
    }
}

}  // namespace zorvane
