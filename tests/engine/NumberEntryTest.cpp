#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

#include "KeySequence.h"
#include "ShownNumber.h"

using namespace zorvane;

// In normal mode the main display shows the number exactly as the calculator
// holds it: the kept 32-bit mantissa, the point once, the zeros typed after
// it, and the sign the number keeps.
TEST(NumberEntry, NormalModeShowsTheNumberHeld) {
    const KeySequence rows[] = {
        {"C12.5", {"", "1", "12", "12.", "12.5"}},
        {"C12..5", {"", "1", "12", "12.", "12.", "12.5"}},
        {"C007", {"", "0", "0", "7"}},
        {"C.5", {"", "0.", "0.5"}},
        {"C.050", {"", "0.", "0.0", "0.05", "0.050"}},
        {"C12.50~~", {"", "1", "12", "12.", "12.5", "12.50", "-12.50", " 12.50"}},
        {"C12~3", {"", "1", "12", "-12", "-123"}},
        {"C12~3~4", {"", "1", "12", "-12", "-123", " 123", " 1234"}},
        {"C~", {"", " 0"}},
        {"C~5", {"", " 0", " 5"}},
        {"C0~", {"", "0", " 0"}},
        {"C.5~", {"", "0.", "0.5", "-0.5"}},
        {"C16777217", {"", "1", "16", "167", "1677", "16777", "167772", "1677721", "16777216"}},
        {"C123456789",
         {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456792"}},
        {"C12=3", {"", "1", "12", "12", "3"}},
        {"C12+3~4", {"", "1", "12", " 12+", " 12+3", "-3", "-34"}},
        {"C2+~.5", {"", "2", " 2+", "-2", " 0.", "-0.5"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Main);
    }
}

TEST(NumberEntry, TradingModeShowsTheValueInTheInputBox) {
    const KeySequence rows[] = {
        {"R12.5", {"", "1", "12", "12", "12.5"}},
        {"R1.05", {"", "1", "1", "1", "1.05"}},
        {"R.5", {"", "0", "0.5"}},
        {"R1..5", {"", "1", "1", "1", "1.5"}},
        {"R16777217", {"", "1", "16", "167", "1677", "16777", "167772", "1677721", "16777216"}},
        {"R1234567890",
         {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456792",
          "1234567936"}},
        {"R.00001", {"", "0", "0", "0", "0", "0", "1E-05"}},
        {"R12~3~", {"", "1", "12", "-12", "-123", "123"}},
        {"R~5", {"", "0", "5"}},
        {"R20=~", {"", "2", "20", "", "-20"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Input);
    }
}

TEST(NumberEntry, TradingModeLeavesTheMainDisplayAndResultAlone) {
    KeyDriver driver;
    driver.press("R12.5~");
    EXPECT_EQ(driver.display.mainText, "输入相对顶点价格：             ");
    EXPECT_EQ(driver.display.mainKind, TextKind::Prompt);
    EXPECT_EQ(driver.state.operation.resultValue, 0.0f);
    EXPECT_EQ(driver.state.operation.entryValue, CalcValue::float64(-12.5));
    EXPECT_TRUE(driver.state.trading.functionMode);
    EXPECT_EQ(driver.state.operation.opCode, OpCode::Rebound);
}

struct EntryFields {
    std::string keys;
    float digitMantissa;
    int fractionDigits;
    bool decimalMode;
    double entryValue;
    float resultValue;
};

TEST(NumberEntry, ValueFieldsAfterTyping) {
    const EntryFields rows[] = {
        {"C12.5", 125.0f, 1, true, 12.5, 12.5f},
        {"C12..5", 125.0f, 1, true, 12.5, 12.5f},
        {"C007", 7.0f, 0, false, 7.0, 7.0f},
        {"C.5", 5.0f, 1, true, 0.5, 0.5f},
        {"C0.1", 1.0f, 1, true, 0.1, 0.1f},
        {"C16777217", 16777216.0f, 0, false, 16777216.0, 16777216.0f},
        {"C1234567890", 1234567936.0f, 0, false, 1234567936.0, 1234567936.0f},
        {"C3.14159265", 314159264.0f, 8, true, 3.14159264, 3.1415927410125732f},
        {"C12345.678", 12345678.0f, 3, true, 12345.678, 12345.677734375f},
        {"C12.5~", 125.0f, 1, true, -12.5, -12.5f},
        {"C12~3", 123.0f, 0, false, -123.0, -123.0f},
        {"C12~3~4", 1234.0f, 0, false, 1234.0, 1234.0f},
        {"C2+3=~4", 4.0f, 0, false, -4.0, -4.0f},
        {"C1.", 1.0f, 0, true, 1.0, 1.0f},
        {"C2+3=.", 0.0f, 0, true, 0.0, 0.0f},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.state.entry.digitMantissa, row.digitMantissa);
        EXPECT_EQ(driver.state.entry.fractionDigits, row.fractionDigits);
        EXPECT_EQ(driver.state.entry.decimalMode, row.decimalMode);
        EXPECT_EQ(driver.state.operation.entryValue, CalcValue::float64(row.entryValue));
        EXPECT_EQ(driver.state.operation.resultValue, row.resultValue);
    }
}

TEST(NumberEntry, MantissaReachesTheLargestFloatAndFailsBeyondIt) {
    KeyDriver accepted;
    accepted.press("C3" + std::string(38, '0'));
    // Rounded to 32 bits after every digit, so close to but not exactly 3E+38.
    EXPECT_GT(accepted.state.entry.digitMantissa, 2.9e38f);
    EXPECT_LT(accepted.state.entry.digitMantissa, 3.1e38f);

    KeyDriver refused;
    refused.press("C4" + std::string(37, '0'));
    const float before = refused.state.entry.digitMantissa;
    const std::string textBefore = refused.display.mainText;
    EXPECT_EQ(failureAfter(refused, "0"), CalcFailure::FloatingPoint);
    EXPECT_EQ(refused.state.entry.digitMantissa, before);
    EXPECT_EQ(refused.display.mainText, textBefore);
    // The calculator goes on: reset and a new number work.
    refused.press("C7");
    EXPECT_EQ(refused.display.mainText, "7");
}

TEST(NumberEntry, ARefusedDigitAfterThePointCountsNoDecimal) {
    KeyDriver driver;
    driver.press("C3" + std::string(37, '0') + ".1");
    const std::string textBefore = driver.display.mainText;
    const CalcValue entryBefore = driver.state.operation.entryValue;
    EXPECT_EQ(failureAfter(driver, "0"), CalcFailure::FloatingPoint);
    EXPECT_EQ(driver.state.entry.fractionDigits, 1);
    EXPECT_EQ(driver.state.operation.entryValue, entryBefore);
    EXPECT_EQ(driver.display.mainText, textBefore);
}

TEST(NumberEntry, FractionDigitCountOverflowsWithoutChangingAnything) {
    KeyDriver driver;
    driver.press("C1.");
    driver.state.entry.fractionDigits = 32767;
    EXPECT_EQ(failureAfter(driver, "5"), CalcFailure::Overflow);
    EXPECT_EQ(driver.state.entry.fractionDigits, 32767);
    EXPECT_EQ(driver.state.entry.digitMantissa, 1.0f);
    EXPECT_EQ(driver.display.mainText, "1.");
}

// 10^309 is beyond the 64-bit range: zeros may go on, any other digit there
// is refused rather than held as 0.
TEST(NumberEntry, ADigitAtThe309thDecimalIsRefused) {
    KeyDriver zeros;
    zeros.press("C." + std::string(400, '0'));
    EXPECT_EQ(zeros.state.entry.fractionDigits, 400);
    EXPECT_EQ(zeros.display.mainText, "0." + std::string(400, '0'));

    for (const std::string& keys : {"C." + std::string(308, '0') + "1",
                                    "C." + std::string(300, '0') + "5" + std::string(8, '0')}) {
        KeyDriver driver;
        driver.press(keys.substr(0, keys.size() - 1));
        const std::string textBefore = driver.display.mainText;
        const CalcValue entryBefore = driver.state.operation.entryValue;
        EXPECT_EQ(failureAfter(driver, keys.substr(keys.size() - 1)), CalcFailure::Overflow);
        EXPECT_EQ(driver.state.entry.fractionDigits, 308);
        EXPECT_EQ(driver.state.operation.entryValue, entryBefore);
        EXPECT_EQ(driver.display.mainText, textBefore);
    }

    KeyDriver smallest;
    smallest.press("R." + std::string(307, '0') + "1");
    EXPECT_EQ(smallest.display.inputText, "1E-308");
}

// The input box shows while a trading function takes a number into it, and
// hides while a number is typed into the main display, which it would cover.
TEST(NumberEntry, TypingShowsTheBoxTheNumberGoesTo) {
    struct Row {
        std::string before;  // leaves the box as the row's first flag says
        bool visibleBefore;
        std::string keys;
        bool visibleAfter;
    };
    const Row rows[] = {
        {"R+", true, "1", false},         {"R+", true, "4", false},
        {"R+", true, ".", false},         {"R+", true, "~", false},
        {"R20=10=", false, "3", true},    {"R20=10=", false, ".", true},
        {"R20=10=", false, "~", true},    {"S8=", false, "9", true},
        {"K10=1000==", false, "5", true}, {"K10=1000==", false, "5=", false},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.before);
        SCOPED_TRACE(row.before + " then " + row.keys);
        ASSERT_EQ(driver.display.inputVisible, row.visibleBefore);
        driver.press(row.keys);
        EXPECT_EQ(driver.display.inputVisible, row.visibleAfter);
    }
}

// Every digit, point and sign change in normal mode, over many sequences:
// the number at the end of the main display is the number held.
TEST(NumberEntry, TheNumberShownIsTheNumberHeld) {
    constexpr std::string_view kKeys = "0123456789.~+-*/=C";
    constexpr std::array<double, kKeys.size()> kWeights = {5, 5, 5, 5, 5, 5, 5, 5, 5,
                                                           5, 3, 2, 1, 1, 1, 1, 2, 1};
    std::mt19937 random(7);
    std::discrete_distribution<std::size_t> pick(kWeights.begin(), kWeights.end());
    int checked = 0;
    for (int sequence = 0; sequence < 2000; ++sequence) {
        KeyDriver driver;
        std::string keys;
        for (int i = 0; i < 40; ++i) {
            const char key = kKeys[pick(random)];
            keys += key;
            try {
                driver.press(key);
            } catch (const CalcError&) {
                continue;
            }
            if (std::string_view("0123456789.~").find(key) != std::string_view::npos) {
                const auto broken = brokenShownNumber(driver.state, driver.display.mainText);
                ASSERT_FALSE(broken) << "keys " << keys << ": " << *broken;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40000);
}

TEST(NumberEntry, SignChangeRightAfterResetKeepsIntegerZero) {
    KeyDriver driver;
    driver.press("C~");
    EXPECT_EQ(driver.state.operation.entryValue, CalcValue::int16(0));
    EXPECT_EQ(driver.state.operation.resultValue, 0.0f);
    driver.press("~");
    EXPECT_EQ(driver.display.mainText, " 0");
}

TEST(NumberEntry, SignChangeAtCreationTurnsEmptyIntoIntegerZero) {
    KeyDriver driver;
    ASSERT_EQ(driver.state.operation.entryValue.kind(), CalcValue::Kind::Empty);
    driver.press("~");
    EXPECT_EQ(driver.state.operation.entryValue, CalcValue::int16(0));
    EXPECT_EQ(driver.display.mainText, " 0");
}

TEST(NumberEntry, EveryKeyMovesTheFocusToEquals) {
    for (char key : std::string("0123456789.~")) {
        KeyDriver driver;
        driver.press('C');
        const int before = driver.display.focusEqualsCalls;
        driver.press(key);
        EXPECT_EQ(driver.display.focusEqualsCalls, before + 1) << key;
    }
}
