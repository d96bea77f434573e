#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

#include "KeySequence.h"
#include "ShownNumber.h"
#include "UserTexts.h"

using namespace zorvane;

// In normal mode the main display shows the number exactly as the calculator
// holds it: every digit typed, the point once, the zeros typed after it, and
// the sign the number keeps.
const KeySequence kNormalModeRows[] = {
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
    {"C16777217+",
     {"", "1", "16", "167", "1677", "16777", "167772", "1677721", "16777217", " 16777217+"}},
    {"C123456789",
     {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789"}},
    {"C12=3", {"", "1", "12", "12", "3"}},
    {"C12+3~4", {"", "1", "12", " 12+", " 12+3", "-3", "-34"}},
    {"C2+~.5", {"", "2", " 2+", "-2", " 0.", "-0.5"}},
    // Every typed digit is held, up to 15 of them; the operator shows the
    // number taken.
    {"C1234567890",
     {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789",
      "1234567890"}},
    {"C3.14159265*",
     {"", "3", "3.", "3.1", "3.14", "3.141", "3.1415", "3.14159", "3.141592", "3.1415926",
      "3.14159265", " 3.14159265*"}},
    {"C1234567.89-",
     {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "1234567.", "1234567.8",
      "1234567.89", " 1234567.89-"}},
    {"C12345.678",
     {"", "1", "12", "123", "1234", "12345", "12345.", "12345.6", "12345.67", "12345.678"}},
    {"C0.1", {"", "0", "0.", "0.1"}},
    {"C1.", {"", "1", "1."}},
    {"C2+3=~4", {"", "2", " 2+", " 2+3", "5", "-3", "-4"}},
    {"C2+3=.5", {"", "2", " 2+", " 2+3", "5", "0.", "0.5"}},
    // The point stays set for the rest of the number: later digits are decimals.
    {"C12.5~5", {"", "1", "12", "12.", "12.5", "-12.5", "-12.55"}},
};

TEST(NumberEntry, NormalModeShowsTheNumberHeld) {
    for (const auto& row : kNormalModeRows) {
        expectTextsAfterEachKey(row, Shown::Main);
    }
}

// In a trading function the input box shows the price as typed: the point
// and the zeros after it show at once.
TEST(NumberEntry, TradingModeShowsThePriceAsTypedInTheInputBox) {
    const KeySequence rows[] = {
        {"R12.5", {"", "1", "12", "12.", "12.5"}},
        {"R10.", {"", "1", "10", "10."}},
        {"R12.30~", {"", "1", "12", "12.", "12.3", "12.30", "-12.30"}},
        {"R.05", {"", "0.", "0.0", "0.05"}},
        {"R1.05", {"", "1", "1.", "1.0", "1.05"}},
        {"R.5", {"", "0.", "0.5"}},
        {"R1..5", {"", "1", "1.", "1.", "1.5"}},
        {"R007", {"", "0", "0", "7"}},
        {"R16777217", {"", "1", "16", "167", "1677", "16777", "167772", "1677721", "16777217"}},
        {"R1234567890",
         {"", "1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789",
          "1234567890"}},
        {"R.00001", {"", "0.", "0.0", "0.00", "0.000", "0.0000", "0.00001"}},
        {"R12~3~", {"", "1", "12", "-12", "-123", "123"}},
        {"R~5", {"", "0", "5"}},
        {"R20=~", {"", "2", "20", "", "-20"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Input);
    }
}

// A price typed into a trading function leaves the main display with its
// prompt. The price stays the function's input: equals takes it, and an
// operator takes it as the left-hand operand (and, with no number typed
// after, as the right-hand one).
TEST(NumberEntry, TradingModeLeavesTheMainDisplayAndResultAlone) {
    KeyDriver driver;
    driver.press("R12.5~");
    EXPECT_EQ(driver.display.mainText, texts::kPeakPrompt);
    EXPECT_EQ(driver.display.mainKind, TextKind::Prompt);
    const KeyDriver typed = driver;
    driver.press("+");
    EXPECT_EQ(driver.display.mainText, "-12.5+");
    driver.press("=");
    EXPECT_EQ(driver.display.mainText, "-25");
    driver = typed;
    driver.press("=");
    EXPECT_EQ(driver.display.mainText, texts::kBottomPrompt);
}

// At most 15 significant digits are typed: leading zeros do not count,
// zeros after the first other digit do. The 16th digit is refused and changes
// nothing, not even the point's place (the sign change shows it).
TEST(NumberEntry, ASixteenthSignificantDigitIsRefused) {
    for (const std::string keys :
         {"C1234567890123456", "C1000000000000000", "C12345678901234.56", "C.0001234567890123456",
          "R1234567890123456", "R0001234567890123456"}) {
        KeyDriver driver;
        driver.press(keys.substr(0, keys.size() - 1));
        const KeyDriver before = driver;
        SCOPED_TRACE(keys);
        EXPECT_EQ(failureAfter(driver, keys.substr(keys.size() - 1)), CalcFailure::FloatingPoint);
        EXPECT_EQ(failureAfter(driver, "0"), CalcFailure::FloatingPoint);
        EXPECT_EQ(driver.display.mainText, before.display.mainText);
        EXPECT_EQ(driver.display.inputText, before.display.inputText);
        driver.press("~");
        KeyDriver expected = before;
        expected.press("~");
        EXPECT_EQ(driver.display.mainText, expected.display.mainText);
        EXPECT_EQ(driver.display.inputText, expected.display.inputText);
    }
    // The calculator goes on with the 15 digits it took.
    KeyDriver driver;
    driver.press("C123456789012345");
    EXPECT_EQ(failureAfter(driver, "6"), CalcFailure::FloatingPoint);
    driver.press("+");
    EXPECT_EQ(driver.display.mainText, " 123456789012345+");
    driver.press("C7");
    EXPECT_EQ(driver.display.mainText, "7");
}

// The count of decimals stops at 32767: the next digit, even a zero, fails.
TEST(NumberEntry, FractionDigitCountOverflowsWithoutChangingAnything) {
    KeyDriver driver;
    driver.press("C.");
    for (int i = 0; i < 32767; ++i) {
        driver.press('0');
    }
    const std::string textBefore = driver.display.mainText;
    ASSERT_EQ(textBefore.size(), 32769U);
    EXPECT_EQ(failureAfter(driver, "5"), CalcFailure::Overflow);
    EXPECT_EQ(failureAfter(driver, "0"), CalcFailure::Overflow);
    EXPECT_EQ(driver.display.mainText, textBefore);
}

// 10^309 is beyond the 64-bit range: zeros may go on, any other digit there
// is refused rather than held as 0, and the number keeps its 308 decimals.
TEST(NumberEntry, ADigitAtThe309thDecimalIsRefused) {
    KeyDriver zeros;
    zeros.press("C." + std::string(400, '0'));
    EXPECT_EQ(zeros.display.mainText, "0." + std::string(400, '0'));

    for (const std::string& keys : {"C." + std::string(308, '0') + "1",
                                    "C." + std::string(300, '0') + "5" + std::string(8, '0')}) {
        KeyDriver driver;
        driver.press(keys.substr(0, keys.size() - 1));
        const std::string textBefore = driver.display.mainText;
        EXPECT_EQ(failureAfter(driver, keys.substr(keys.size() - 1)), CalcFailure::Overflow);
        EXPECT_EQ(driver.display.mainText, textBefore);
        driver.press("~");
        const char sign = textBefore.find('5') == std::string::npos ? ' ' : '-';
        EXPECT_EQ(driver.display.mainText, sign + textBefore);
    }

    KeyDriver smallest;
    smallest.press("R." + std::string(307, '0') + "1");
    EXPECT_EQ(smallest.display.inputText, "0." + std::string(307, '0') + "1");
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
        {"R+", false, "1", false},        {"R+", false, "~", false},
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

// The sign change of no number at all shows " 0", and keeps the integer 0
// of a reset (an empty value at start-up becomes one). No text tells the
// kinds of zero apart, so this reads the value.
TEST(NumberEntry, SignChangeOfNoNumberKeepsIntegerZero) {
    for (const std::string keys : {"C~", "~", "C~~"}) {
        KeyDriver driver;
        driver.press(keys);
        EXPECT_EQ(driver.display.mainText, " 0") << keys;
        EXPECT_EQ(driver.state.operation.entryValue, CalcValue::int16(0)) << keys;
        driver.press("+");
        EXPECT_EQ(driver.display.mainText, " 0+") << keys;
    }
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
