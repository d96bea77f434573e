#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <span>
#include <string>

#include "KeySequence.h"
#include "UserTexts.h"

using namespace zorvane;
using namespace texts;

// Each prompt as shown ends in a full-width colon and 13 blanks.
TEST(TradingFunctions, PromptsEndInAFullWidthColonAndThirteenBlanks) {
    const std::string tail = "：" + std::string(13, ' ');
    for (const std::string keys : {"R", "R1=", "P", "P1=", "S", "K", "K1="}) {
        KeyDriver driver;
        driver.press(keys);
        const std::string& prompt = driver.display.mainText;
        ASSERT_GT(prompt.size(), tail.size()) << keys;
        EXPECT_EQ(prompt.substr(prompt.size() - tail.size()), tail) << keys;
    }
}

// A function button discards a pending addition and a round waiting for its
// second input, shows the first prompt right-aligned over the empty input
// box, and starts the function's first step.
TEST(TradingFunctions, ButtonResetsAndShowsTheFirstPrompt) {
    struct Row {
        char button;
        const std::string& prompt;
        std::string afterEquals;
    };
    const Row rows[] = {
        {'R', kPeakPrompt, kBottomPrompt},
        {'P', kPeakPrompt, kBottomPrompt},
        {'S', kConcentrationPrompt, "保守出货:0  标准出货:0"},
        {'K', kSharePricePrompt, kShareCountPrompt},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press("R20=10==12+");  // centred, waiting for a bottom price, adding
        const int focusBefore = driver.display.focusEqualsCalls;
        driver.press(row.button);
        SCOPED_TRACE(row.button);
        EXPECT_EQ(driver.display.mainText, row.prompt);
        EXPECT_EQ(driver.display.mainKind, TextKind::Prompt);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Right);
        EXPECT_TRUE(driver.display.inputVisible);
        EXPECT_EQ(driver.display.inputText, "");
        EXPECT_GT(driver.display.focusEqualsCalls, focusBefore);
        KeyDriver calculating = driver;
        driver.press('=');
        EXPECT_EQ(driver.display.mainText, row.afterEquals);
        // Both operands are the 0 of a reset.
        calculating.press("+=");
        EXPECT_EQ(calculating.display.mainText, "0");
    }
}

struct ResultRow {
    std::string keys;
    std::string result;
};

// The result centred in the main display, the input box hidden.
void expectResults(std::span<const ResultRow> rows) {
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.display.mainText, row.result);
        EXPECT_EQ(driver.display.mainKind, TextKind::Result);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Centre);
        EXPECT_FALSE(driver.display.inputVisible);
    }
}

TEST(TradingFunctions, ResultTexts) {
    const ResultRow rows[] = {
        {"R20=10=", "标准反弹:13.75 中级反弹:15 "},
        {"R11=10=", "标准反弹:10.38 中级反弹:10.5 "},
        {"R10.25=10=", "标准反弹:10.09 中级反弹:10.12 "},
        {"R==", "标准反弹:0 中级反弹:0 "},
        {"R20.=10.0=", "标准反弹:13.75 中级反弹:15 "},
        {"R.=.=", "标准反弹:0 中级反弹:0 "},
        {"P20=10=", "标准回调:13.82 保守回调:15 "},
        {"P10=20=", "标准回调:16.18 保守回调:15 "},
        {"S10=", "保守出货:13.75  标准出货:16.18"},
        {"S8=", "保守出货:11  标准出货:12.94"},
        {"S=", "保守出货:0  标准出货:0"},
        // Ties of the decimal results go to the even digit, whatever their
        // binary values: 16.995 gives 17, 14.025 14.02, 16.555 16.56, 21.125 21.12.
        {"S12.36=", "保守出货:17  标准出货:20"},
        {"S10.2=", "保守出货:14.02  标准出货:16.5"},
        {"R19.73=14.65=", "标准反弹:16.56 中级反弹:17.19 "},
        {"R25.8=18.32=", "标准反弹:21.12 中级反弹:22.06 "},
        {"P10.03=10.04=", "标准回调:10.04 保守回调:10.04 "},
        // Prices and results beyond seven digits.
        {"S1234567.89=", "保守出货:1697530.85  标准出货:1997530.85"},
    };
    expectResults(rows);
}

TEST(TradingFunctions, CostResultTexts) {
    const ResultRow rows[] = {
        {"K10=1000=", "高抛成本:10.06 接回成本:9.94 "},
        {"K10=100=", "高抛成本:10.14 接回成本:9.86 "},
        {"K=100=", "高抛成本:0.12 接回成本:-0.12 "},
        // 1 × 3334 × 0.0015 = 5.001: the rate applies from 5 upwards.
        {"K1=3334=", "高抛成本:1.01 接回成本:0.99 "},
        {"K1=3333=", "高抛成本:1.01 接回成本:0.99 "},
        // The same amounts over a hundredth of a share make the fees per share
        // large enough to tell the two fee rules apart on either side: 3334 ×
        // 0.0056 = 18.6704 (the other rule would give 18.668), and 3333 ×
        // 0.002 + 12 = 18.666 (the other rule 18.6648). At exactly 5 both
        // rules give the same fees, so no amount tells ">= 5" from "> 5".
        {"K333400=.01=", "高抛成本:335267.04 接回成本:331532.96 "},
        {"K333300=.01=", "高抛成本:335166.6 接回成本:331433.4 "},
        // 6170 × (0.002 + 0.0036) = 34.552 over 500 shares.
        {"K12.34=500=", "高抛成本:12.41 接回成本:12.27 "},
        // (0.3 − 0.1) × 0.375 + 0.1 lies just below 0.175 in binary; read as
        // a person reads it, it is the tie 0.175 and goes to the even 0.18.
        {"R0.3=0.1=", "标准反弹:0.18 中级反弹:0.2 "},
        // The sign change negates the price in the input box, and equals uses it.
        {"R20~=10=", "标准反弹:-1.25 中级反弹:-5 "},
        {"S12~3=", "保守出货:-169.12  标准出货:-199.01"},
        {"K10~=100=", "高抛成本:-9.9 接回成本:-10.1 "},
        // Prices and share counts as the box shows them typed.
        {"K10.=100.=", "高抛成本:10.14 接回成本:9.86 "},
        {"K12.30=100=", "高抛成本:12.44 接回成本:12.16 "},
        {"K10=0100=", "高抛成本:10.14 接回成本:9.86 "},
        {"K10=12.50=", "高抛成本:10.98 接回成本:9.02 "},
        // 0.125 a share: 2.625 and 2.375; 0.035 a share: 6.285 and 6.215.
        {"K2.5=100=", "高抛成本:2.62 接回成本:2.38 "},
        {"K6.25=1000=", "高抛成本:6.28 接回成本:6.22 "},
    };
    expectResults(rows);
}

TEST(TradingFunctions, SecondPromptTakesTheFirstInput) {
    struct Row {
        std::string keys;
        const std::string& prompt;
        bool inputVisible;
        std::string result;
    };
    const Row rows[] = {
        {"R20=", kBottomPrompt, true, "标准反弹:13.75 中级反弹:15 "},
        {"P20=", kBottomPrompt, true, "标准回调:13.82 保守回调:15 "},
        {"K20=", kShareCountPrompt, true, "高抛成本:21.24 接回成本:18.76 "},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.display.mainText, row.prompt);
        EXPECT_EQ(driver.display.mainKind, TextKind::Prompt);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Right);
        EXPECT_EQ(driver.display.inputVisible, row.inputVisible);
        EXPECT_EQ(driver.display.inputText, "");
        // The next equals computes from the 20 taken.
        driver.press("10=");
        EXPECT_EQ(driver.display.mainText, row.result);
    }
}

TEST(TradingFunctions, RepeatedRoundStartsFromTheInputBox) {
    KeyDriver rebound;
    rebound.press("R20=10=");
    rebound.press('=');
    EXPECT_EQ(rebound.display.mainText, kBottomPrompt);
    EXPECT_EQ(rebound.display.mainAlignment, Alignment::Centre);
    EXPECT_TRUE(rebound.display.inputVisible);
    EXPECT_EQ(rebound.display.inputText, "");
    rebound.press("8=");
    EXPECT_EQ(rebound.display.mainText, "标准反弹:8.75 中级反弹:9 ");

    KeyDriver cost;
    cost.press("K10=1000=");
    cost.press('=');
    EXPECT_EQ(cost.display.mainText, kShareCountPrompt);
    EXPECT_EQ(cost.display.mainAlignment, Alignment::Centre);
    EXPECT_FALSE(cost.display.inputVisible);
    cost.press("100=");
    // The previous number of shares became the price: 1000 × 100 = 100000,
    // fees 200 + 360 = 560, 5.6 a share.
    EXPECT_EQ(cost.display.mainText, "高抛成本:1005.6 接回成本:994.4 ");
}

// After the results, the first key of a new price asks for the first input
// again, still centred; equals then goes on as before.
TEST(TradingFunctions, NewPriceAfterTheResultsShowsTheFirstPrompt) {
    struct Row {
        std::string keys;
        const std::string& prompt;
        std::string input;
        std::string afterEquals;
    };
    const Row rows[] = {
        {"S1750.55=12", kConcentrationPrompt, "12", "保守出货:16.5  标准出货:19.42"},
        {"S10=~", kConcentrationPrompt, "-10", "保守出货:-13.75  标准出货:-16.18"},
        {"R20=10=30", kPeakPrompt, "30", kBottomPrompt},
        {"P20=10=.", kPeakPrompt, "0.", kBottomPrompt},
        {"K10=100=5", kSharePricePrompt, "5", kShareCountPrompt},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.display.mainText, row.prompt);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Centre);
        EXPECT_TRUE(driver.display.inputVisible);
        EXPECT_EQ(driver.display.inputText, row.input);
        driver.press('=');
        EXPECT_EQ(driver.display.mainText, row.afterEquals);
    }
    KeyDriver rebound;
    rebound.press("R20=10=30=10=");
    EXPECT_EQ(rebound.display.mainText, "标准反弹:17.5 中级反弹:20 ");
}

TEST(TradingFunctions, SellOffRepeatsOnEveryEquals) {
    KeyDriver driver;
    driver.press("S10=");
    EXPECT_FALSE(driver.display.inputVisible);
    driver.press("8=");
    EXPECT_EQ(driver.display.mainText, "保守出货:11  标准出货:12.94");
    driver.press("=");
    EXPECT_EQ(driver.display.mainText, "保守出货:11  标准出货:12.94");
    driver.press("10.25=");
    EXPECT_EQ(driver.display.mainText, "保守出货:14.09  标准出货:16.58");
}

TEST(TradingFunctions, CostFailuresStopBeforeTheResult) {
    struct Row {
        std::string keys;
        CalcFailure failure;
    };
    const Row rows[] = {
        {"K10=", CalcFailure::TypeMismatch},
        {"K10=0", CalcFailure::DivisionByZero},
        {"K10=0.0", CalcFailure::DivisionByZero},
        // 1E-308 shares: 12 of fees over them is beyond the 64-bit range.
        {"K10=." + std::string(307, '0') + "1", CalcFailure::Overflow},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press("K5=1000=");
        driver.press(row.keys);
        const std::string inputBefore = driver.display.inputText;
        SCOPED_TRACE("keys " + row.keys.substr(0, 12));
        EXPECT_EQ(failureAfter(driver, "="), row.failure);
        EXPECT_EQ(driver.display.mainText, kShareCountPrompt);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Centre);
        EXPECT_EQ(driver.display.inputText, inputBefore);
        EXPECT_TRUE(driver.display.inputVisible);
        // Typing the number of shares and pressing equals again works.
        driver.press("100=");
        EXPECT_EQ(driver.display.mainText, "高抛成本:10.14 接回成本:9.86 ");
    }
}

TEST(TradingFunctions, PendingAdditionIsDiscardedByAFunctionButton) {
    KeyDriver driver;
    driver.press("12+R20=10=");
    EXPECT_EQ(driver.display.mainText, "标准反弹:13.75 中级反弹:15 ");
    driver.press("+");
    EXPECT_EQ(driver.display.mainText, " 0+");
}

TEST(TradingFunctions, EqualsDoesNotMoveTheFocus) {
    KeyDriver driver;
    driver.press("R20");
    const int before = driver.display.focusEqualsCalls;
    driver.press("=");
    driver.press("=");
    EXPECT_EQ(driver.display.focusEqualsCalls, before);
}

// Each result against the exact decimal computation, worked out here in whole
// numbers: prices in cents, every rate as a fraction, the result rounded to
// cents half to even.
namespace {

using Whole = __int128;

// numerator / denominator (denominator > 0) rounded to a whole number, half to even.
Whole roundedQuotient(Whole numerator, Whole denominator) {
    const bool negative = numerator < 0;
    const Whole magnitude = negative ? -numerator : numerator;
    Whole quotient = magnitude / denominator;
    const Whole twiceRest = 2 * (magnitude % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 == 1)) {
        ++quotient;
    }
    return negative ? -quotient : quotient;
}

// Cents as the displays show them: "17", "14.02", "-0.1".
std::string centsText(Whole cents) {
    const bool negative = cents < 0;
    const auto magnitude = static_cast<std::int64_t>(negative ? -cents : cents);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100);
    const std::int64_t fraction = magnitude % 100;
    if (fraction != 0) {
        text += '.' + std::to_string(fraction / 10);
        if (fraction % 10 != 0) {
            text += std::to_string(fraction % 10);
        }
    }
    return text;
}

// The keys that type a price of so many cents.
std::string priceKeys(std::int64_t cents) {
    return std::to_string(cents / 100) + "." + std::to_string(cents / 10 % 10) +
           std::to_string(cents % 10);
}

std::string shownAfter(const std::string& keys) {
    KeyDriver driver;
    driver.press(keys);
    return driver.display.mainText;
}

}  // namespace

TEST(TradingFunctions, EveryResultIsTheExactDecimalRoundedHalfToEven) {
    // Sell-off: D × 1.375 and D × 1.618, for every price from 0.01 to 100.00.
    for (std::int64_t d = 1; d <= 10000; ++d) {
        const std::string expected = "保守出货:" + centsText(roundedQuotient(d * 1375, 1000)) +
                                     "  标准出货:" + centsText(roundedQuotient(d * 1618, 1000));
        ASSERT_EQ(shownAfter("S" + priceKeys(d) + "="), expected) << "price " << priceKeys(d);
    }
    std::mt19937 random(22);
    std::uniform_int_distribution<std::int64_t> price(1, 10000);
    std::uniform_int_distribution<std::int64_t> shares(1, 100000);
    for (int i = 0; i < 3000; ++i) {
        // Rebound and pullback, peak T and bottom B in cents, in either order.
        const std::int64_t t = price(random);
        const std::int64_t b = price(random);
        const std::string prices = priceKeys(t) + "=" + priceKeys(b) + "=";
        EXPECT_EQ(shownAfter("R" + prices),
                  "标准反弹:" + centsText(roundedQuotient((t - b) * 375 + b * 1000, 1000)) +
                      " 中级反弹:" + centsText(roundedQuotient((t - b) * 500 + b * 1000, 1000)) +
                      " ")
            << prices;
        EXPECT_EQ(shownAfter("P" + prices),
                  "标准回调:" + centsText(roundedQuotient(t * 1000 - (t - b) * 618, 1000)) +
                      " 保守回调:" + centsText(roundedQuotient(t * 1000 - (t - b) * 500, 1000)) +
                      " ")
            << prices;
        // Round-trip cost, price P in cents and Q shares: amount P × Q / 100;
        // a large trade (amount × 0.0015 >= 5) pays 0.56 % of it, a small one
        // 0.2 % and 12. Per share, in cents: 100 × fees / Q.
        const std::int64_t q = shares(random);
        const Whole amountTimes1500 = Whole{t} * q * 15;  // amount × 0.0015 × 10^6
        const bool large = amountTimes1500 >= 5'000'000;
        // fees × 10^6: P × Q × 56, or P × Q × 20 + 12 × 10^6.
        const Whole fees = large ? Whole{t} * q * 56 : Whole{t} * q * 20 + 12'000'000;
        const Whole denominator = Whole{10'000} * q;  // cents × 10^4 × Q
        const std::string cost = priceKeys(t) + "=" + std::to_string(q) + "=";
        EXPECT_EQ(shownAfter("K" + cost),
                  "高抛成本:" + centsText(roundedQuotient(t * denominator + fees, denominator)) +
                      " 接回成本:" +
                      centsText(roundedQuotient(t * denominator - fees, denominator)) + " ")
            << cost;
    }
}
