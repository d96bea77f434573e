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
    // Return and Space press "=", as after a reset.
    EXPECT_EQ(driver.display.focusEqualsCalls, 1);
    // Typed digits go to the main display.
    driver.press('1');
    EXPECT_EQ(driver.display.mainText, "1");
    EXPECT_EQ(driver.display.inputText, "");
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
    KeyDriver fresh;
    fresh.press('C');
    expectSameAfterProbe(driver, fresh);
}

TEST(Reset, KeepsAwaitingSecondUntilTheNextFunctionButton) {
    KeyDriver driver;
    driver.press("R20=C");
    // No key shows the flag after a reset: only a function button leads back
    // to a round, and it clears the flag first.
    EXPECT_TRUE(driver.state.trading.awaitingSecond);
    driver.press("R20=10=");
    EXPECT_EQ(driver.display.mainText, "标准反弹:13.75 中级反弹:15 ");
}

TEST(Reset, TwiceIsTheSameAsOnce) {
    KeyDriver once;
    once.press("12+3C");
    KeyDriver twice;
    twice.press("12+3CC");
    EXPECT_EQ(once.display.mainText, twice.display.mainText);
    EXPECT_TRUE(once.state == twice.state);
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
        EXPECT_TRUE(byKeys.state == byButtons.state);
    }
}

TEST(Keyboard, OtherCharactersChangeNothing) {
    const char16_t ignored[] = {u'a', u'Z', u'\b', u'\r', u' ',    u'\t',     u',',
                                u'e', u'E', u'(',  u'%',  u'\x7f', u'\u53cd', 0};  // U+53CD 反
    for (char16_t ch : ignored) {
        KeyDriver driver;
        driver.press("R12");
        const CalculatorState stateBefore = driver.state;
        const std::string mainBefore = driver.display.mainText;
        const std::string inputBefore = driver.display.inputText;
        const int focusBefore = driver.display.focusEqualsCalls;
        EXPECT_FALSE(onKey(ch)) << static_cast<int>(ch);
        driver.type(ch);
        EXPECT_EQ(driver.display.mainText, mainBefore) << static_cast<int>(ch);
        EXPECT_EQ(driver.display.inputText, inputBefore) << static_cast<int>(ch);
        EXPECT_EQ(driver.display.focusEqualsCalls, focusBefore) << static_cast<int>(ch);
        EXPECT_TRUE(driver.state == stateBefore) << static_cast<int>(ch);
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
    KeyDriver fresh;
    fresh.press('C');
    expectSameAfterProbe(driver, fresh);
}
