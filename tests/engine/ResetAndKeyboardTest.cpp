#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"

using namespace zorvane;

TEST(Load, HidesTheInputBoxAndLocksBothBoxes) {
    KeyDriver driver;  // runs onLoad
    EXPECT_FALSE(driver.display.inputVisible);
    EXPECT_FALSE(driver.display.inputEnabled);
    EXPECT_FALSE(driver.display.mainEnabled);
    EXPECT_EQ(driver.display.mainText, "");
    EXPECT_FALSE(driver.state.trading.functionMode);
}

TEST(Reset, ClearsTheCalculatorAndTheDisplays) {
    KeyDriver driver;
    driver.press("R20=10=5.5");
    const int focusBefore = driver.display.focusEqualsCalls;
    driver.press('C');
    EXPECT_EQ(driver.display.focusEqualsCalls, focusBefore + 1);
    EXPECT_EQ(driver.display.mainText, "");
    EXPECT_EQ(driver.display.inputText, "");
    EXPECT_FALSE(driver.display.inputVisible);
    EXPECT_EQ(driver.display.mainAlignment, Alignment::Right);
    EXPECT_EQ(driver.state.operation.opCode, OpCode::None);
    EXPECT_FALSE(driver.state.trading.functionMode);
    EXPECT_FALSE(driver.state.entry.decimalMode);
    EXPECT_EQ(driver.state.entry.digitMantissa, 0.0f);
    EXPECT_EQ(driver.state.entry.fractionDigits, 0);
    EXPECT_EQ(driver.state.operation.resultValue, 0.0f);
    EXPECT_EQ(driver.state.operation.entryValue, CalcValue::int16(0));
    EXPECT_EQ(driver.state.operation.accumulator, CalcValue::int16(0));
}

TEST(Reset, KeepsAwaitingSecondUntilTheNextFunctionButton) {
    KeyDriver driver;
    driver.press("R20=C");
    EXPECT_TRUE(driver.state.trading.awaitingSecond);
    EXPECT_EQ(driver.state.trading.firstInput, "20");
    driver.press("R20=10=");
    EXPECT_EQ(driver.display.mainText, "标准反弹:13.75 中级反弹:15 ");
}

TEST(Reset, TwiceIsTheSameAsOnce) {
    KeyDriver once;
    once.press("12+3C");
    KeyDriver twice;
    twice.press("12+3CC");
    EXPECT_EQ(once.display.mainText, twice.display.mainText);
    EXPECT_EQ(once.state.operation.entryValue, twice.state.operation.entryValue);
    EXPECT_EQ(once.state.operation.accumulator, twice.state.operation.accumulator);
    EXPECT_EQ(once.state.operation.opCode, twice.state.operation.opCode);
    twice.press("7");
    EXPECT_EQ(twice.display.mainText, "7");
}

// Typed characters and the matching buttons give the same display and state.
TEST(Keyboard, CharactersWorkLikeTheirButtons) {
    struct Row {
        std::u16string typed;
        std::string buttons;
    };
    const Row rows[] = {
        {u"12+3=", "12+3="},   {u"1/16=", "1/16="},           {u"2*3==", "2*3=="},
        {u"9-4.5=", "9-4.5="}, {u"0123456789", "0123456789"},
    };
    for (const auto& row : rows) {
        KeyDriver byKeys;
        KeyDriver byButtons;
        for (char16_t ch : row.typed) {
            byKeys.type(ch);
        }
        byButtons.press(row.buttons);
        SCOPED_TRACE(row.buttons);
        EXPECT_EQ(byKeys.display.mainText, byButtons.display.mainText);
        EXPECT_EQ(byKeys.state.operation.accumulator, byButtons.state.operation.accumulator);
        EXPECT_EQ(byKeys.state.operation.entryValue, byButtons.state.operation.entryValue);
        EXPECT_EQ(byKeys.state.operation.resultValue, byButtons.state.operation.resultValue);
        EXPECT_EQ(byKeys.state.operation.opCode, byButtons.state.operation.opCode);
    }
}

TEST(Keyboard, OtherCharactersChangeNothing) {
    const char16_t ignored[] = {u'a', u'Z', u'\b', u'\r', u' ',    u'\t',     u',',
                                u'e', u'E', u'(',  u'%',  u'\x7f', u'\u53cd', 0};  // U+53CD 反
    for (char16_t ch : ignored) {
        KeyDriver driver;
        driver.press("R12");
        const std::string mainBefore = driver.display.mainText;
        const std::string inputBefore = driver.display.inputText;
        const int focusBefore = driver.display.focusEqualsCalls;
        EXPECT_FALSE(onKey(ch)) << static_cast<int>(ch);
        driver.type(ch);
        EXPECT_EQ(driver.display.mainText, mainBefore) << static_cast<int>(ch);
        EXPECT_EQ(driver.display.inputText, inputBefore) << static_cast<int>(ch);
        EXPECT_EQ(driver.display.focusEqualsCalls, focusBefore) << static_cast<int>(ch);
        EXPECT_EQ(driver.state.operation.entryValue, CalcValue::float64(12.0));
    }
}

TEST(Keyboard, EscapeResetsInTheMiddleOfAFunction) {
    KeyDriver driver;
    driver.press("K10=5");
    const int focusBefore = driver.display.focusEqualsCalls;
    driver.type(27);
    EXPECT_EQ(driver.display.focusEqualsCalls, focusBefore + 1);
    EXPECT_EQ(driver.display.mainText, "");
    EXPECT_EQ(driver.display.inputText, "");
    EXPECT_FALSE(driver.display.inputVisible);
    EXPECT_EQ(driver.state.operation.opCode, OpCode::None);
    EXPECT_FALSE(driver.state.trading.functionMode);
}
