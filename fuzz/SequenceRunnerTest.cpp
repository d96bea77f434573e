#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Operations.h"
#include "SequenceRunner.h"

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

TEST(SequenceRunnerTest, DecodesButtonLettersKeysAndDigitRuns) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(decodedNames("1.~+=CK"), (Names{"button 1", "button .", "button ~", "button +",
                                              "button =", "button C", "button K"}));
    EXPECT_EQ(decodedNames(std::string_view("k=\0k\x1b\x01kA", 8)),
              (Names{"key U+003D", "key U+011B", "key U+0041"}));
    EXPECT_EQ(decodedNames("\033a"), (Names{"key U+001B", "key U+0061"}));
    EXPECT_EQ(
        decodedNames("x7\x04x0\xefx3\xf0x3\xff"),
        (Names{"5 times digit 7", "240 times digit 0", "1 times digit 3", "32768 times digit 3"}));
}

TEST(SequenceRunnerTest, EveryCheckHoldsOnEverydayUseAndFailures) {
    const std::vector<std::string> sequences = {
        "12+3==4=", "1/3=*3=",
        "5-=",      "12.5~~3",
        "R20=10==", "P10=20=",
        "S10=8=",   "K10=1000=",
        "K=100=",   "R12~3=4=",
        "12+R",     "R1.05",
        "\033abc",  "x9\x30",
        "C=C",      "5/0=",
        "/=",       "K10==",
        "K10=0=",   "4x0\x26",
        "R.x0\xff", std::string("k1\0k+\0k2\0k=\0", 12),
    };
    for (const std::string& keys : sequences) {
        const SequenceResult result = runSequence(bytesOf(keys));
        EXPECT_FALSE(result.finding) << keys << ": " << describe(*result.finding);
    }
}

// Each check can fail: a started calculator after a step, then one thing broken.
TEST(SequenceRunnerTest, StepChecksCatchBrokenSteps) {
    using Breakage = std::function<void(KeyDriver&, Outcome&)>;
    const std::vector<std::pair<std::string, Breakage>> rows = {
        {"foreign exception", [](auto&, auto& o) { o.foreignException = "std::bad_alloc"; }},
        {"cut UTF-8", [](auto& c, auto&) { c.display.mainText = "\xe4\xb8"; }},
        {"infinity shown", [](auto& c, auto&) { c.display.inputText = "inf"; }},
        {"NaN held", [](auto& c, auto&) { c.state.operation.resultValue = std::nan(""); }},
        {"infinite operand",
         [](auto& c, auto&) { c.state.operation.accumulator = CalcValue::float64(HUGE_VAL); }},
        {"text written before failing",
         [](auto& c, auto& o) {
             c.display.mainText += "1";
             o.failure = CalcFailure::Overflow;
         }},
    };
    for (const auto& [name, breakage] : rows) {
        KeyDriver calculator;
        calculator.press("R7");
        const KeyDriver before = calculator;
        calculator.press("=");
        Outcome outcome;
        ASSERT_FALSE(brokenStep(before, calculator, outcome)) << name;
        breakage(calculator, outcome);
        EXPECT_TRUE(brokenStep(before, calculator, outcome)) << name;
    }
}

TEST(SequenceRunnerTest, ResetCheckComparesWithAFreshCalculator) {
    KeyDriver calculator;
    calculator.press("K10=1000=12+");
    EXPECT_FALSE(brokenReset(calculator));
    calculator.display.mainEnabled = true;  // something reset does not set back
    EXPECT_TRUE(brokenReset(calculator));
}

}  // namespace
