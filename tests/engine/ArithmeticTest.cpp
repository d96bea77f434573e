#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"

using namespace zorvane;

TEST(Arithmetic, MainDisplayAfterEachKey) {
    const KeySequence rows[] = {
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
        {"C1/3=*3=", {"", "1", " 1/", " 1/3", "0.333", " 0.3333333*", " 0.3333333*3", "1"}},
        {"C1/16=", {"", "1", " 1/", " 1/1", " 1/16", "0.062"}},
        {"C1234567*10=",
         {"", "1", "12", "123", "1234", "12345", "123456", "1234567", " 1234567*", " 1234567*1",
          " 1234567*10", "1.234567E+07"}},
        {"C3~*", {"", "3", "-3", "-3*"}},
        {"C0-0=", {"", "0", " 0-", " 0-0", "0"}},
        {"C0~*5=", {"", "0", " 0", " 0*", " 0*5", "0"}},
        {"C1.5+1.25=",
         {"", "1", "1.", "1.5", " 1.5+", " 1.5+1", " 1.5+1.", " 1.5+1.2", " 1.5+1.25", "2.75"}},
        {"C0.1+0.2=", {"", "0", "0.", "0.1", " 0.1+", " 0.1+0", " 0.1+0.", " 0.1+0.2", "0.3"}},
        {"C12345.678+0=",
         {"", "1", "12", "123", "1234", "12345", "12345.", "12345.6", "12345.67", "12345.678",
          " 12345.68+", " 12345.68+0", "12345.68"}},
    };
    for (const auto& row : rows) {
        expectTextsAfterEachKey(row, Shown::Main);
    }
}

struct Registers {
    std::string keys;
    double accumulator;
    double entryValue;
    float resultValue;
    OpCode opCode;
};

// The worked sequence 1 2 + 3 = = 4 =, register by register.
TEST(Arithmetic, RegistersFollowTheTwoOperandMachine) {
    const Registers rows[] = {
        {"C12", 0.0, 12.0, 12.0f, OpCode::None},      {"C12+", 12.0, 12.0, 12.0f, OpCode::Add},
        {"C12+3", 12.0, 3.0, 3.0f, OpCode::Add},      {"C12+3=", 15.0, 3.0, 15.0f, OpCode::Add},
        {"C12+3==", 18.0, 3.0, 18.0f, OpCode::Add},   {"C12+3==4", 18.0, 4.0, 4.0f, OpCode::Add},
        {"C12+3==4=", 22.0, 4.0, 22.0f, OpCode::Add},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        driver.press(row.keys);
        SCOPED_TRACE("keys " + row.keys);
        EXPECT_EQ(driver.state.operation.accumulator.toDouble(), row.accumulator);
        EXPECT_EQ(driver.state.operation.entryValue.toDouble(), row.entryValue);
        EXPECT_EQ(driver.state.operation.resultValue, row.resultValue);
        EXPECT_EQ(driver.state.operation.opCode, row.opCode);
    }
}

TEST(Arithmetic, AccumulatorKeepsTheUnrounded32BitResult) {
    KeyDriver driver;
    driver.press("C1/3=");
    EXPECT_EQ(driver.state.operation.accumulator.kind(), CalcValue::Kind::Float32);
    EXPECT_EQ(driver.state.operation.accumulator.asFloat32(), 1.0f / 3.0f);
    EXPECT_EQ(driver.display.mainText, "0.333");
}

TEST(Arithmetic, EqualsWithNothingPendingOnlyClearsTheEntry) {
    KeyDriver driver;
    driver.press("C1.2");
    driver.press('=');
    EXPECT_EQ(driver.display.mainText, "1.2");
    EXPECT_FALSE(driver.state.entry.decimalMode);
    EXPECT_EQ(driver.state.entry.digitMantissa, 0.0f);
    EXPECT_EQ(driver.state.entry.fractionDigits, 0);
    EXPECT_EQ(driver.state.operation.resultValue, 1.2f);
}

TEST(Arithmetic, OperatorsAndEqualsLeaveFocusAlignmentAndInputBox) {
    KeyDriver driver;
    driver.press("C5");
    driver.display.mainAlignment = Alignment::Left;
    driver.display.inputVisible = true;
    const int focusBefore = driver.display.focusEqualsCalls;
    driver.press("+=");
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
        {"C3" + std::string(38, '0') + "*10=", CalcFailure::Overflow},
        {"C3" + std::string(38, '0') + "+5" + std::string(37, '0') + "=", CalcFailure::Overflow},
        {"C2/." + std::string(307, '0') + "1=", CalcFailure::Overflow},
    };
    for (const auto& row : rows) {
        KeyDriver driver;
        const std::string setUp = row.keys.substr(0, row.keys.size() - 1);
        driver.press(setUp);
        const std::string textBefore = driver.display.mainText;
        const CalcValue accumulatorBefore = driver.state.operation.accumulator;
        const CalcValue entryBefore = driver.state.operation.entryValue;
        const float resultBefore = driver.state.operation.resultValue;
        SCOPED_TRACE("keys " + row.keys.substr(0, 40));
        EXPECT_EQ(failureAfter(driver, "="), row.failure);
        EXPECT_EQ(driver.display.mainText, textBefore);
        EXPECT_EQ(driver.state.operation.accumulator, accumulatorBefore);
        EXPECT_EQ(driver.state.operation.entryValue, entryBefore);
        EXPECT_EQ(driver.state.operation.resultValue, resultBefore);
        EXPECT_EQ(driver.state.entry.digitMantissa, 0.0f);
        EXPECT_FALSE(driver.state.entry.decimalMode);
        // The next digit begins a new number, and reset works.
        driver.press('7');
        EXPECT_EQ(driver.display.mainText, "7");
        driver.press("C2+3=");
        EXPECT_EQ(driver.display.mainText, "5");
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

TEST(Arithmetic, OperatorWhileAFunctionWaitsReturnsToNormalMode) {
    KeyDriver driver;
    driver.press("R1+");
    EXPECT_FALSE(driver.state.trading.functionMode);
    EXPECT_EQ(driver.state.operation.opCode, OpCode::Add);
    EXPECT_TRUE(driver.display.inputVisible);
    driver.press("2");
    EXPECT_EQ(driver.display.mainText, " 0+2");
    EXPECT_FALSE(driver.display.inputVisible);
}
