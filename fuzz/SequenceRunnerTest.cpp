#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "Calculator.h"
#include "Operations.h"
#include "SequenceRunner.h"
#include "StateInvariants.h"

using namespace zorvane;
using namespace zorvane::checks;

namespace {

std::span<const std::uint8_t> bytesOf(std::string_view keys) {
    return {reinterpret_cast<const std::uint8_t*>(keys.data()), keys.size()};
}

std::vector<std::string> decodedNames(std::string_view keys) {
    std::vector<std::string> names;
    for (const Operation& operation : decodeOperations(bytesOf(keys))) {
        names.push_back(describe(operation));
    }
    return names;
}

long raised(const SequenceResult& result, CalcFailure failure) {
    return result.failures.at(static_cast<std::size_t>(failure));
}

TEST(SequenceRunnerTest, DecodesTheKeyLettersOfTheEngineTests) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(decodedNames("12.~+-*/=C"),
              (Names{"digit 1", "digit 2", "point", "sign change", "operator 1", "operator 2",
                     "operator 3", "operator 4", "equals", "reset"}));
    EXPECT_EQ(decodedNames("RPSK"),
              (Names{"function 5", "function 6", "function 7", "function 8"}));
    EXPECT_EQ(decodedNames(std::string_view("k=\0k\x1b\x01kA", 8)),
              (Names{"key U+003D", "key U+011B", "key U+0041"}));
    EXPECT_EQ(decodedNames("\033a"), (Names{"key U+001B", "key U+0061"}));
    EXPECT_EQ(
        decodedNames("x7\x04x0\xefx3\xf0x3\xff"),
        (Names{"5 times digit 7", "240 times digit 0", "1 times digit 3", "32768 times digit 3"}));
}

TEST(SequenceRunnerTest, EveryCheckHoldsOnEverydayUse) {
    const std::vector<std::string> sequences = {
        "12+3==4=", "1/3=*3=",  "5-=",    "12.5~~3",
        "R20=10==", "P10=20=",  "S10=8=", "K10=1000=",
        "K=100=",   "R12~3=4=", "12+R",   std::string("k1\0k+\0k2\0k=\0", 12),
        "R1.05",    "\033abc",  "x9\x30", "C=C",
    };
    for (const std::string& keys : sequences) {
        const SequenceResult result = runSequence(bytesOf(keys));
        EXPECT_FALSE(result.finding) << keys << ": " << describe(*result.finding);
    }
}

TEST(SequenceRunnerTest, FailuresAreCountedAndAllowed) {
    struct Row {
        std::string keys;
        CalcFailure failure;
    };
    const std::vector<Row> rows = {
        {"5/0=", CalcFailure::DivisionByZero},
        {"/=", CalcFailure::Overflow},
        {"K10==", CalcFailure::TypeMismatch},
        {"K10=0=", CalcFailure::DivisionByZero},
        {"4x0\x26", CalcFailure::FloatingPoint},  // 4 and 38 zeros
        {"R.x0\xff", CalcFailure::Overflow},      // 32768 digits after the point
        // 1E-308 shares: the fees per share overflow
        {std::string("K=.x0\xefx0\x42") + "1=", CalcFailure::FloatingPoint},
    };
    for (const Row& row : rows) {
        const SequenceResult result = runSequence(bytesOf(row.keys));
        EXPECT_FALSE(result.finding) << row.keys << ": " << describe(*result.finding);
        EXPECT_EQ(raised(result, row.failure), 1) << row.keys;
    }
}

TEST(SequenceRunnerTest, ADigitRunStopsAtItsFirstFailure) {
    const SequenceResult result = runSequence(bytesOf("4x0\x30"));  // 4 and 49 zeros
    EXPECT_EQ(result.operations, 2);
    EXPECT_EQ(result.engineCalls, 1 + 38);
}

// A started calculator in a valid state, then one field broken.
TEST(SequenceRunnerTest, InvariantsCatchBrokenStates) {
    using Breakage = std::function<void(CalculatorState&, RecordingDisplay&)>;
    const std::vector<std::pair<std::string, Breakage>> rows = {
        {"opCode 9", [](auto& s, auto&) { s.opCode = 9; }},
        {"decimalMode 2", [](auto& s, auto&) { s.decimalMode = 2; }},
        {"awaitingSecond 2", [](auto& s, auto&) { s.awaitingSecond = 2; }},
        {"fractionDigits -1", [](auto& s, auto&) { s.fractionDigits = -1; }},
        {"digits after no point", [](auto& s, auto&) { s.fractionDigits = 1; }},
        {"negative mantissa", [](auto& s, auto&) { s.digitMantissa = -1.0f; }},
        {"fractional mantissa", [](auto& s, auto&) { s.digitMantissa = 1.5f; }},
        {"infinite mantissa",
         [](auto& s, auto&) { s.digitMantissa = std::numeric_limits<float>::infinity(); }},
        {"function mode in arithmetic",
         [](auto& s, auto&) {
             s.functionMode = 1;
             s.opCode = 2;
         }},
        {"NaN result", [](auto& s, auto&) { s.resultValue = std::nanf(""); }},
        {"infinite operand", [](auto& s, auto&) { s.accumulator = CalcValue::float64(HUGE_VAL); }},
        {"left-aligned", [](auto&, auto& d) { d.mainAlignment = Alignment::Left; }},
        {"main display typable", [](auto&, auto& d) { d.mainEnabled = true; }},
        {"main text", [](auto&, auto& d) { d.mainText = "12+"; }},
        {"main text UTF-8", [](auto&, auto& d) { d.mainText = "\xe4\xb8"; }},
        {"input text", [](auto&, auto& d) { d.inputText = "-1"; }},
    };
    for (const auto& [name, breakage] : rows) {
        CalculatorState state;
        RecordingDisplay display;
        onLoad(state, display);
        onFunction(state, display, 5);
        onDigit(state, display, 7);
        ASSERT_FALSE(brokenInvariant(state, display)) << name;
        breakage(state, display);
        EXPECT_TRUE(brokenInvariant(state, display)) << name;
    }
}

}  // namespace
