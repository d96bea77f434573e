#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Calculator.h"
#include "StepRules.h"

using namespace zorvane;
using namespace zorvane::checks;

namespace {

// A started calculator after the given operations.
Calculator after(const std::vector<Operation>& operations) {
    Calculator calculator;
    onLoad(calculator.state, calculator.display);
    for (const Operation& operation : operations) {
        perform(operation, calculator.state, calculator.display);
    }
    return calculator;
}

const Operation kDigit1{Action::Digit, 1};
const Operation kDigit4{Action::Digit, 4};
const Operation kPoint{Action::Point};
const Operation kAdd{Action::Operator, 1};
const Operation kEquals{Action::Equals};
const Operation kRebound{Action::Function, 5};

// Each row performs one operation for real, then spoils one thing it did: the
// step rules must notice.
TEST(StepRulesTest, SpoiledEffectsAreFound) {
    using Spoil = std::function<void(Calculator&)>;
    struct Row {
        std::string name;
        std::vector<Operation> setup;
        Operation operation;
        Spoil spoil;
    };
    const std::vector<Row> rows = {
        {"digit not shown", {}, kDigit1, [](Calculator& c) { c.display.mainText = ""; }},
        {"digit in the main display in function mode",
         {kRebound},
         kDigit1,
         [](Calculator& c) { c.display.mainText += "1"; }},
        {"digit 4 left the box shown",
         {kRebound, kAdd},
         kDigit4,
         [](Calculator& c) { c.display.inputVisible = true; }},
        {"point not in decimal mode",
         {kDigit1},
         kPoint,
         [](Calculator& c) { c.state.decimalMode = 0; }},
        {"focus not moved", {}, kPoint, [](Calculator& c) { --c.display.focusEqualsCalls; }},
        {"operator kept function mode",
         {kRebound},
         kAdd,
         [](Calculator& c) { c.state.functionMode = 1; }},
        {"operator focused equals", {}, kAdd, [](Calculator& c) { ++c.display.focusEqualsCalls; }},
        {"equals kept the point",
         {kDigit1, kAdd, kPoint},
         kEquals,
         [](Calculator& c) { c.state.decimalMode = 1; }},
        {"function box hidden",
         {},
         kRebound,
         [](Calculator& c) { c.display.inputVisible = false; }},
        {"reset kept the mode",
         {kRebound},
         Operation{Action::Reset},
         [](Calculator& c) { c.state.functionMode = 1; }},
    };
    for (const Row& row : rows) {
        const Calculator before = after(row.setup);
        Calculator spoiled = before;
        const Outcome outcome = performCatching(row.operation, spoiled);
        ASSERT_FALSE(brokenStepRule(row.operation, before, spoiled, outcome)) << row.name;
        row.spoil(spoiled);
        EXPECT_TRUE(brokenStepRule(row.operation, before, spoiled, outcome)) << row.name;
    }
}

TEST(StepRulesTest, FailuresMustFitTheOperationAndLeaveTheTextsAlone) {
    const Calculator afterDivision = after({kDigit1, Operation{Action::Operator, 4}});
    const Outcome overflow{CalcFailure::Overflow, std::nullopt};
    const Outcome byZero{CalcFailure::DivisionByZero, std::nullopt};
    EXPECT_FALSE(brokenStepRule(kEquals, afterDivision, afterDivision, byZero));
    EXPECT_TRUE(brokenStepRule(kEquals, afterDivision, after({}), byZero));  // texts changed
    EXPECT_TRUE(brokenStepRule(kPoint, afterDivision, afterDivision, overflow));
    EXPECT_TRUE(brokenStepRule(kDigit1, afterDivision, afterDivision, overflow));

    const Calculator sharesTyped = after({Operation{Action::Function, 8}, kEquals, kDigit1});
    EXPECT_FALSE(brokenStepRule(kEquals, sharesTyped, sharesTyped,
                                {CalcFailure::FloatingPoint, std::nullopt}));
    EXPECT_TRUE(brokenStepRule(kEquals, sharesTyped, sharesTyped, byZero));

    const Outcome foreign{std::nullopt, std::string("threw std::exception: bad_alloc")};
    EXPECT_TRUE(brokenStepRule(kPoint, afterDivision, afterDivision, foreign));
}

TEST(StepRulesTest, KeysMustDoWhatTheirButtonsDo) {
    const Calculator started = after({});
    Calculator typed = started;
    const Operation key1{Action::Key, u'1'};
    const Outcome outcome = performCatching(key1, typed);
    EXPECT_FALSE(brokenStepRule(key1, started, typed, outcome));
    EXPECT_TRUE(brokenStepRule(Operation{Action::Key, u'2'}, started, typed, outcome));
    EXPECT_TRUE(brokenStepRule(Operation{Action::Key, u'a'}, started, typed, outcome));
}

}  // namespace
