#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"

using namespace zorvane;

TEST(NumberEntry, NormalModeAppendsEachKeyToTheMainDisplay) {
    const KeySequence rows[] = {
        {"C12.5", {"", "1", "12", "12.", "12.5"}},
        {"C12..5", {"", "1", "12", "12.", "12..", "12..5"}},
        {"C007", {"", "0", "00", "007"}},
        {"C.5", {"", ".", ".5"}},
        {"C12.5~~", {"", "1", "12", "12.", "12.5", "-12.5", " 12.5"}},
        {"C12~3", {"", "1", "12", "-12", "-123"}},
        {"C~", {"", " 0"}},
        {"C0~", {"", "0", " 0"}},
        {"C.5~", {"", ".", ".5", "-0.5"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Main);
    }
}

TEST(NumberEntry, TradingModeShowsTheValueInTheInputBox) {
    const KeySequence rows[] = {
        {"R12.5", {"", "1", "12", "12", "12.5"}},
        {"R1.05", {"", "1", "1", "1", "1.05"}},
        {"R.5", {"", "", "0.5"}},
        {"R16777217", {"", "1", "16", "167", "1677", "16777", "167772", "1677721", "16777216"}},
        {"R1234567890",
         {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456792",
          "1234567936"}},
        {"R.00001", {"", "", "0", "0", "0", "0", "1E-05"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Input);
    }
}

TEST(NumberEntry, TradingModeLeavesTheMainDisplayAndResultAlone) {
    KeyDriver driver;
    driver.press("R12.5");
    EXPECT_EQ(driver.display.mainText, "输入相对顶点价格：             ");
    EXPECT_EQ(driver.state.resultValue, 0.0f);
    EXPECT_EQ(driver.state.entryValue, CalcValue::float64(12.5));
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
        {"C12~3", 123.0f, 0, false, 123.0, 123.0f},
        {"C1.", 1.0f, 0, true, 1.0, 1.0f},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.state.digitMantissa, row.digitMantissa);
        EXPECT_EQ(driver.state.fractionDigits, row.fractionDigits);
        EXPECT_EQ(driver.state.decimalMode, row.decimalMode);
        EXPECT_EQ(driver.state.entryValue, CalcValue::float64(row.entryValue));
        EXPECT_EQ(driver.state.resultValue, row.resultValue);
    }
}

TEST(NumberEntry, MantissaReachesTheLargestFloatAndFailsBeyondIt) {
    KeyDriver accepted;
    accepted.press("C3" + std::string(38, '0'));
    // Rounded to 32 bits after every digit, so close to but not exactly 3E+38.
    EXPECT_GT(accepted.state.digitMantissa, 2.9e38f);
    EXPECT_LT(accepted.state.digitMantissa, 3.1e38f);

    KeyDriver refused;
    refused.press("C4" + std::string(37, '0'));
    const float before = refused.state.digitMantissa;
    const std::string textBefore = refused.display.mainText;
    EXPECT_EQ(failureAfter(refused, "0"), CalcFailure::FloatingPoint);
    EXPECT_EQ(refused.state.digitMantissa, before);
    EXPECT_EQ(refused.display.mainText, textBefore);
    // The calculator goes on: reset and a new number work.
    refused.press("C7");
    EXPECT_EQ(refused.display.mainText, "7");
}

TEST(NumberEntry, FractionDigitCountOverflowsWithoutChangingAnything) {
    KeyDriver driver;
    driver.press("C1.");
    driver.state.fractionDigits = 32767;
    EXPECT_EQ(failureAfter(driver, "5"), CalcFailure::Overflow);
    EXPECT_EQ(driver.state.fractionDigits, 32767);
    EXPECT_EQ(driver.state.digitMantissa, 1.0f);
    EXPECT_EQ(driver.display.mainText, "1.");
}

TEST(NumberEntry, ThreeHundredAndNineDecimalsGiveZero) {
    KeyDriver driver;
    driver.press("R." + std::string(308, '0') + "1");
    EXPECT_EQ(driver.state.fractionDigits, 309);
    EXPECT_EQ(driver.state.entryValue, CalcValue::float64(0.0));
    EXPECT_EQ(driver.display.inputText, "0");

    KeyDriver smallest;
    smallest.press("R." + std::string(307, '0') + "1");
    EXPECT_EQ(smallest.display.inputText, "1E-308");
}

TEST(NumberEntry, FourAndFiveHideTheInputBoxOnlyBeforeAPoint) {
    struct Row {
        std::string keysAfterOperator;
        bool inputVisible;
    };
    const Row rows[] = {
        {"1", true},  {"3", true},   {"6", true},   {"9", true},   {"4", false},
        {"5", false}, {"1.4", true}, {"1.5", true}, {"14", false}, {".5", true},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        // An operator while a trading function waits for input leaves the box shown.
        driver.press("R+");
        ASSERT_TRUE(driver.display.inputVisible);
        driver.press(row.keysAfterOperator);
        EXPECT_EQ(driver.display.inputVisible, row.inputVisible) << row.keysAfterOperator;
    }
}

TEST(NumberEntry, SignChangeLeavesTradingModeButKeepsTheFunction) {
    KeyDriver driver;
    driver.press("R12~");
    EXPECT_FALSE(driver.state.functionMode);
    EXPECT_EQ(driver.state.opCode, OpCode::Rebound);
    EXPECT_EQ(driver.display.mainText, "-12");
    EXPECT_FALSE(driver.display.inputVisible);
    driver.press("3");
    EXPECT_EQ(driver.display.mainText, "-123");
    EXPECT_EQ(driver.display.inputText, "12");
}

TEST(NumberEntry, SignChangeRightAfterResetKeepsIntegerZero) {
    KeyDriver driver;
    driver.press("C~");
    EXPECT_EQ(driver.state.entryValue, CalcValue::int16(0));
    EXPECT_EQ(driver.state.resultValue, 0.0f);
    driver.press("~");
    EXPECT_EQ(driver.display.mainText, " 0");
}

TEST(NumberEntry, SignChangeAtCreationTurnsEmptyIntoIntegerZero) {
    KeyDriver driver;
    ASSERT_EQ(driver.state.entryValue.kind(), CalcValue::Kind::Empty);
    driver.press("~");
    EXPECT_EQ(driver.state.entryValue, CalcValue::int16(0));
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
