#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"
#include "UserTexts.h"

using namespace zorvane;
using namespace texts;

// The main display after each key of a sequence typed from start-up.
const KeySequence kMainDisplayRows[] = {
    {"C12+3=", {"", "1", "12", " 12+", " 12+3", "15"}},
    {"C1+2+3=", {"", "1", " 1+", " 1+2", " 2+", " 2+3", "5"}},
    {"C2+3=+4=", {"", "2", " 2+", " 2+3", "5", " 5+", " 5+4", "9"}},
    {"C2*3===", {"", "2", " 2*", " 2*3", "6", "18", "54"}},
    {"C5+=", {"", "5", " 5+", "10"}},
    {"C5-=", {"", "5", " 5-", "0"}},
    {"C5*=", {"", "5", " 5*", "25"}},
    {"C5/=", {"", "5", " 5/", "1"}},
    {"C2+3=7=", {"", "2", " 2+", " 2+3", "5", "7", "12"}},
    {"C2+3=7+", {"", "2", " 2+", " 2+3", "5", "7", " 7+"}},
    {"C12=3+", {"", "1", "12", "12", "3", " 3+"}},
    {"C2+3=.=", {"", "2", " 2+", " 2+3", "5", "0.", "5"}},
    {"C2+3=~4=", {"", "2", " 2+", " 2+3", "5", "-3", "-4", "1"}},
    {"C2+~3=", {"", "2", " 2+", "-2", "-3", "-1"}},
    {"C2+.5=", {"", "2", " 2+", " 2+0.", " 2+0.5", "2.5"}},
    {"C-5=", {"", " 0-", " 0-5", "-5"}},
    // The left-hand operand is the whole result, and the operator shows it.
    {"C1/3=*3=",
     {"", "1", " 1/", " 1/3", "0.333", " 0.333333333333333*", " 0.333333333333333*3", "1"}},
    {"C1/16=", {"", "1", " 1/", " 1/1", " 1/16", "0.062"}},
    {"C1234567*10=",
     {"", "1", "12", "123", "1234", "12345", "123456", "1234567", " 1234567*", " 1234567*1",
      " 1234567*10", "12345670"}},
    {"C3~*", {"", "3", "-3", "-3*"}},
    {"C0-0=", {"", "0", " 0-", " 0-0", "0"}},
    {"C0~*5=", {"", "0", " 0", " 0*", " 0*5", "0"}},
    {"C1.5+1.25=",
     {"", "1", "1.", "1.5", " 1.5+", " 1.5+1", " 1.5+1.", " 1.5+1.2", " 1.5+1.25", "2.75"}},
    {"C0.1+0.2=", {"", "0", "0.", "0.1", " 0.1+", " 0.1+0", " 0.1+0.", " 0.1+0.2", "0.3"}},
    // The worked sequence of the two-operand machine: the result is the
    // next left-hand operand, a digit begins a new right-hand one.
    {"C12+3==4=", {"", "1", "12", " 12+", " 12+3", "15", "18", "4", "22"}},
    // Equals with nothing pending only makes the next number fresh.
    {"C1.2=5", {"", "1", "1.", "1.2", "1.2", "5"}},
    {"C1.2=+", {"", "1", "1.", "1.2", "1.2", " 1.2+"}},
    {"C1.2=.", {"", "1", "1.", "1.2", "1.2", "0."}},
    // An operator while a function waits for its price returns to the
    // calculator with that price: digits go to the main display and equals adds.
    {"R1+2=",
     {"输入相对顶点价格：             ", "输入相对顶点价格：             ", " 1+", " 1+2", "3"}},
    // Results and the left-hand operand are held in 64 bits: x - x is 0.
    {"8.56*100000=",
     {"8", "8.", "8.5", "8.56", " 8.56*", " 8.56*1", " 8.56*10", " 8.56*100", " 8.56*1000",
      " 8.56*10000", " 8.56*100000", "856000"}},
    {"1234567.8-1234567.8=",
     {"1",
      "12",
      "123",
      "1234",
      "12345",
      "123456",
      "1234567",
      "1234567.",
      "1234567.8",
      " 1234567.8-",
      " 1234567.8-1",
      " 1234567.8-12",
      " 1234567.8-123",
      " 1234567.8-1234",
      " 1234567.8-12345",
      " 1234567.8-123456",
      " 1234567.8-1234567",
      " 1234567.8-1234567.",
      " 1234567.8-1234567.8",
      "0"}},
    {"1000000.1-1000000=",
     {"1", "10", "100", "1000", "10000", "100000", "1000000", "1000000.", "1000000.1",
      " 1000000.1-", " 1000000.1-1", " 1000000.1-10", " 1000000.1-100", " 1000000.1-1000",
      " 1000000.1-10000", " 1000000.1-100000", " 1000000.1-1000000", "0.1"}},
    {"100000.01-100000.01=",
     {"1",
      "10",
      "100",
      "1000",
      "10000",
      "100000",
      "100000.",
      "100000.0",
      "100000.01",
      " 100000.01-",
      " 100000.01-1",
      " 100000.01-10",
      " 100000.01-100",
      " 100000.01-1000",
      " 100000.01-10000",
      " 100000.01-100000",
      " 100000.01-100000.",
      " 100000.01-100000.0",
      " 100000.01-100000.01",
      "0"}},
    {"C12345.678+0=",
     {"", "1", "12", "123", "1234", "12345", "12345.", "12345.6", "12345.67", "12345.678",
      " 12345.678+", " 12345.678+0", "12345.678"}},
};

TEST(Arithmetic, MainDisplayAfterEachKey) {
    for (const auto& row : kMainDisplayRows) {
        expectTextsAfterEachKey(row, Shown::Main);
    }
}

// The result of a whole sequence: up to 15 significant digits, rounded to
// three decimals, a tie judged on the decimal read going to the even digit.
struct ResultRow {
    std::string keys;
    std::string result;
};

TEST(Arithmetic, ResultsShowFifteenSignificantDigits) {
    const ResultRow rows[] = {
        {"C125.6*100000=", "12560000"},
        {"C15.67*812345=", "12729446.15"},
        {"C1234567.89-1234000=", "567.89"},
        {"C99999999*99999999=", "9.9999998E+15"},
        {"C99999999*9999999=", "999999890000001"},
        {"C2/3=", "0.667"},
        {"C1.0025+0=", "1.002"},
        {"C1.1115+0=", "1.112"},
        {"C0.0005+0=", "0"},
        {"C123456789012345*1000=", "1.23456789012345E+17"},
        // + and - are exact on the decimals read: a typed number as typed,
        // the left-hand operand as the operator shows it.
        {"C50000000000000.3-50000000000000=", "0.3"},
        {"C99999999999999.9-99999999999999.8=+", " 0.1+"},
        {"C99999999999999.9-99999999999999=", "0.9"},
        {"C0.1+0.2=-0.3=+", " 0+"},
        {"C0.3-0.1=-0.2=+", " 0+"},
        {"C1/3=+1=-1=+", " 0.33333333333333+"},
        // Carries, borrows across places that only one operand has, and the
        // sign of the larger one.
        {"C99999999999999.9+0.1=", "100000000000000"},
        {"C123.456-0.000123=+", " 123.455877+"},
        {"C0.1-0.3=", "-0.2"},
        {"C5~+12.5=", "7.5"},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        EXPECT_EQ(driver.display.mainText, row.result) << "keys " << row.keys;
    }
}

// The operator hides the input box, which would cover its text; equals
// leaves the box alone.
TEST(Arithmetic, OperatorsAndEqualsLeaveFocusAndAlignment) {
    KeyDriver driver;
    driver.press("C5");
    driver.display.mainAlignment = Alignment::Left;
    driver.display.inputVisible = true;
    const int focusBefore = driver.display.focusEqualsCalls;
    driver.press("+");
    EXPECT_FALSE(driver.display.inputVisible);
    driver.display.inputVisible = true;
    driver.press("=");
    EXPECT_EQ(driver.display.focusEqualsCalls, focusBefore);
    EXPECT_EQ(driver.display.mainAlignment, Alignment::Left);
    EXPECT_TRUE(driver.display.inputVisible);
}

struct Failing {
    std::string keys;
    CalcFailure failure;
};

TEST(Arithmetic, FailuresLeaveDisplayAndRegistersAlone) {
    const Failing rows[] = {
        {"C5/0=", CalcFailure::DivisionByZero},
        {"C/=", CalcFailure::Overflow},
        // About 1E+45: a 64-bit float, but beyond the calculator's range.
        {"C999999999999999*==", CalcFailure::Overflow},
        {"C2/." + std::string(307, '0') + "1=", CalcFailure::Overflow},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        const std::string setUp = row.keys.substr(0, row.keys.size() - 1);
        driver.press(setUp);
        // Equals makes the number fresh before it fails; nothing else changes,
        // the registers included (compared whole: no one text shows them all).
        KeyDriver expected = driver;
        expected.state.entry = {};
        SCOPED_TRACE("keys " + row.keys.substr(0, 40));
        EXPECT_EQ(failureAfter(driver, "="), row.failure);
        EXPECT_EQ(driver.display.mainText, expected.display.mainText);
        EXPECT_TRUE(driver.state == expected.state);
        // The next digit begins a new number, and reset works.
        driver.press('7');
        EXPECT_EQ(driver.display.mainText, "7");
        driver.press("C2+3=");
        EXPECT_EQ(driver.display.mainText, "5");
    }
}

// Each failure comes with the step that failed: the window's words depend on it.
TEST(Arithmetic, FailuresReportTheirStep) {
    struct Row {
        std::string keys;
        StepFailure failed;
    };
    const Row rows[] = {
        {"5/0=", {CalcStep::ZeroDivisor, CalcFailure::DivisionByZero}},
        {"/=", {CalcStep::ZeroDivisor, CalcFailure::Overflow}},
        {"2/." + std::string(307, '0') + "1=", {CalcStep::Result, CalcFailure::Overflow}},
        {"K10==", {CalcStep::ShareCount, CalcFailure::TypeMismatch}},
        {"K10=0=", {CalcStep::ShareCount, CalcFailure::DivisionByZero}},
        {"K10=." + std::string(307, '0') + "1=", {CalcStep::ShareCount, CalcFailure::Overflow}},
        {"1234567890123456", {CalcStep::Entry, CalcFailure::FloatingPoint}},
        {"R." + std::string(308, '0') + "1", {CalcStep::Entry, CalcFailure::Overflow}},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys.substr(0, row.keys.size() - 1));
        const auto failed = press(driver.state, driver.display, commandOfLetter(row.keys.back()));
        EXPECT_TRUE(failed == row.failed) << row.keys.substr(0, 12);
    }
}

TEST(Arithmetic, AfterADivisionByZeroANewNumberIsDivided) {
    KeyDriver driver;
    driver.press("C5/0");
    EXPECT_EQ(failureAfter(driver, "="), CalcFailure::DivisionByZero);
    driver.press('2');
    EXPECT_EQ(driver.display.mainText, "2");
    driver.press('=');
    EXPECT_EQ(driver.display.mainText, "2.5");
    EXPECT_EQ(driver.display.mainKind, TextKind::Result);
}

TEST(Arithmetic, OperatorAfterATradingResultStaysCentred) {
    KeyDriver driver;
    driver.press("R20=10=");
    ASSERT_EQ(driver.display.mainAlignment, Alignment::Centre);
    driver.press('+');
    EXPECT_EQ(driver.display.mainText, " 0+");
    EXPECT_EQ(driver.display.mainAlignment, Alignment::Centre);
    driver.press('C');
    EXPECT_EQ(driver.display.mainAlignment, Alignment::Right);
}

// Inside a trading function an operator takes the number the input box
// shows, hides the box and shows that number before the operator.
TEST(Arithmetic, OperatorTakesTheNumberTheInputBoxShows) {
    const KeySequence rows[] = {
        {"S10-3=",
         {kConcentrationPrompt, kConcentrationPrompt, kConcentrationPrompt, " 10-", " 10-3", "7"}},
        {"R12.5*2=",
         {kPeakPrompt, kPeakPrompt, kPeakPrompt, kPeakPrompt, kPeakPrompt, " 12.5*", " 12.5*2",
          "25"}},
        {"R20~+", {kPeakPrompt, kPeakPrompt, kPeakPrompt, kPeakPrompt, "-20+"}},
        // No number in the box: the last value, as always.
        {"R+", {kPeakPrompt, " 0+"}},
        {"R20=10=+",
         {kPeakPrompt, kPeakPrompt, kPeakPrompt, kBottomPrompt, kBottomPrompt, kBottomPrompt,
          "标准反弹:13.75 中级反弹:15 ", " 0+"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Main);
        KeyDriver driver;
        driver.press(row.keys);
        EXPECT_FALSE(driver.display.inputVisible) << row.keys;
    }
}
