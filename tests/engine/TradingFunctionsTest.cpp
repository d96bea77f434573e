#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"
#include "UserTexts.h"

using namespace zorvane;
using namespace texts;

TEST(TradingFunctions, PromptsEndInAFullWidthColonAndThirteenBlanks) {
    for (const std::string* prompt : {&kPeakPrompt, &kBottomPrompt, &kConcentrationPrompt,
                                      &kSharePricePrompt, &kShareCountPrompt}) {
        const std::string tail = "：" + std::string(13, ' ');
        ASSERT_GE(prompt->size(), tail.size());
        EXPECT_EQ(prompt->substr(prompt->size() - tail.size()), tail);
    }
}

TEST(TradingFunctions, ButtonResetsAndShowsTheFirstPrompt) {
    struct Row {
        char button;
        OpCode code;
        const std::string& prompt;
    };
    const Row rows[] = {
        {'R', OpCode::Rebound, kPeakPrompt},
        {'P', OpCode::Pullback, kPeakPrompt},
        {'S', OpCode::SellOff, kConcentrationPrompt},
        {'K', OpCode::Cost, kSharePricePrompt},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press("12+");  // a pending addition is discarded
        driver.state.trading.awaitingSecond = true;
        driver.display.mainAlignment = Alignment::Centre;
        driver.state.shown.inputText = driver.display.inputText = "99";
        const int focusBefore = driver.display.focusEqualsCalls;
        driver.press(row.button);
        SCOPED_TRACE(row.button);
        EXPECT_EQ(driver.state.operation.opCode, row.code);
        EXPECT_TRUE(driver.state.trading.functionMode);
        EXPECT_FALSE(driver.state.trading.awaitingSecond);
        EXPECT_EQ(driver.state.operation.accumulator, CalcValue::int16(0));
        EXPECT_EQ(driver.state.operation.entryValue, CalcValue::int16(0));
        EXPECT_EQ(driver.display.mainText, row.prompt);
        EXPECT_EQ(driver.display.mainKind, TextKind::Prompt);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Right);
        EXPECT_TRUE(driver.display.inputVisible);
        EXPECT_EQ(driver.display.inputText, "");
        EXPECT_GT(driver.display.focusEqualsCalls, focusBefore);
    }
}

TEST(TradingFunctions, ResultTexts) {
    struct Row {
        std::string keys;
        std::string result;
    };
    const Row rows[] = {
        {"R20=10=", "标准反弹:13.75 中级反弹:15 "},
        {"R11=10=", "标准反弹:10.38 中级反弹:10.5 "},
        {"R10.25=10=", "标准反弹:10.09 中级反弹:10.12 "},
        {"R==", "标准反弹:0 中级反弹:0 "},
        {"P20=10=", "标准回调:13.82 保守回调:15 "},
        {"P10=20=", "标准回调:16.18 保守回调:15 "},
        {"S10=", "保守出货:13.75  标准出货:16.18"},
        {"S8=", "保守出货:11  标准出货:12.94"},
        {"S=", "保守出货:0  标准出货:0"},
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
        // (0.3 − 0.1) × 0.375 + 0.1 lies just below 0.175 in binary, so it is
        // no tie and rounds down.
        {"R0.3=0.1=", "标准反弹:0.17 中级反弹:0.2 "},
        // The sign change negates the price in the input box, and equals uses it.
        {"R20~=10=", "标准反弹:-1.25 中级反弹:-5 "},
        {"S12~3=", "保守出货:-169.12  标准出货:-199.01"},
        {"K10~=100=", "高抛成本:-9.9 接回成本:-10.1 "},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.display.mainText, row.result);
        EXPECT_EQ(driver.display.mainKind, TextKind::Result);
        EXPECT_EQ(driver.display.mainAlignment, Alignment::Centre);
        EXPECT_FALSE(driver.display.inputVisible);
        EXPECT_FALSE(driver.state.trading.awaitingSecond);
    }
}

TEST(TradingFunctions, SecondPromptTakesTheFirstInput) {
    struct Row {
        std::string keys;
        const std::string& prompt;
        bool inputVisible;
    };
    const Row rows[] = {
        {"R20=", kBottomPrompt, true},
        {"P20=", kBottomPrompt, true},
        {"K20=", kShareCountPrompt, true},
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
        EXPECT_EQ(driver.state.trading.firstInput, "20");
        EXPECT_TRUE(driver.state.trading.awaitingSecond);
    }
}

TEST(TradingFunctions, RepeatedRoundStartsFromTheInputBox) {
    KeyDriver rebound;
    rebound.press("R20=10=");
    rebound.press('=');
    EXPECT_EQ(rebound.state.trading.firstInput, "10");
    EXPECT_EQ(rebound.display.mainText, kBottomPrompt);
    EXPECT_EQ(rebound.display.mainAlignment, Alignment::Centre);
    EXPECT_TRUE(rebound.display.inputVisible);
    EXPECT_EQ(rebound.display.inputText, "");
    rebound.press("8=");
    EXPECT_EQ(rebound.display.mainText, "标准反弹:8.75 中级反弹:9 ");

    KeyDriver typedAfterResult;
    typedAfterResult.press("R20=10=30");
    EXPECT_EQ(typedAfterResult.display.inputText, "30");
    EXPECT_TRUE(typedAfterResult.display.inputVisible);
    typedAfterResult.press("=");
    EXPECT_EQ(typedAfterResult.state.trading.firstInput, "30");
    typedAfterResult.press("10=");
    EXPECT_EQ(typedAfterResult.display.mainText, "标准反弹:17.5 中级反弹:20 ");

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

TEST(TradingFunctions, SellOffRepeatsOnEveryEquals) {
    KeyDriver driver;
    driver.press("S10=");
    EXPECT_FALSE(driver.display.inputVisible);
    driver.press("8=");
    EXPECT_EQ(driver.display.mainText, "保守出货:11  标准出货:12.94");
    EXPECT_EQ(driver.state.operation.opCode, OpCode::SellOff);
    EXPECT_FALSE(driver.state.trading.awaitingSecond);
    EXPECT_EQ(driver.state.trading.firstInput, "8");
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
        EXPECT_TRUE(driver.state.trading.awaitingSecond);
        // Typing the number of shares and pressing equals again works.
        driver.press("100=");
        EXPECT_EQ(driver.display.mainText, "高抛成本:10.14 接回成本:9.86 ");
    }
}

TEST(TradingFunctions, PendingAdditionIsDiscardedByAFunctionButton) {
    KeyDriver driver;
    driver.press("12+R20=10=");
    EXPECT_EQ(driver.display.mainText, "标准反弹:13.75 中级反弹:15 ");
    EXPECT_EQ(driver.state.operation.resultValue, 0.0f);
}

TEST(TradingFunctions, EqualsDoesNotMoveTheFocus) {
    KeyDriver driver;
    driver.press("R20");
    const int before = driver.display.focusEqualsCalls;
    driver.press("=");
    driver.press("=");
    EXPECT_EQ(driver.display.focusEqualsCalls, before);
}
