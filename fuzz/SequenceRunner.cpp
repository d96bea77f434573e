#include "SequenceRunner.h"

#include <vector>

#include "Calculator.h"
#include "Operations.h"
#include "StateInvariants.h"
#include "StepRules.h"

namespace zorvane::checks {

namespace {

// Bound the work of one sequence: digit runs can be long, and each digit typed
// in normal mode lengthens the main display, which every step copies.
constexpr long kMaxEngineCalls = 40000;
constexpr std::size_t kMaxMainText = 1024;

bool withinBounds(const SequenceResult& result, const Calculator& calculator) {
    return result.engineCalls < kMaxEngineCalls &&
           calculator.display.mainText.size() <= kMaxMainText;
}

}  // namespace

SequenceResult runSequence(std::span<const std::uint8_t> bytes) {
    SequenceResult result;
    Calculator calculator;
    onLoad(calculator.state, calculator.display);
    if (auto broken = brokenInvariant(calculator.state, calculator.display)) {
        result.finding = Finding{0, "start-up", *broken};
        return result;
    }
    const std::vector<Operation> operations = decodeOperations(bytes);
    for (std::size_t i = 0; i < operations.size() && withinBounds(result, calculator); ++i) {
        // A digit run is checked digit by digit, and ends at its first failure.
        const bool run = operations[i].action == Action::DigitRun;
        const Operation operation =
            run ? Operation{Action::Digit, operations[i].argument} : operations[i];
        const int repeats = run ? operations[i].count : 1;
        ++result.operations;
        for (int repeat = 0; repeat < repeats && withinBounds(result, calculator); ++repeat) {
            const Calculator before = calculator;
            const Outcome outcome = performCatching(operation, calculator);
            ++result.engineCalls;
            if (auto broken = brokenStepRule(operation, before, calculator, outcome)) {
                const std::string repeated =
                    run ? " (" + std::to_string(repeat + 1) + " of " + describe(operations[i]) + ")"
                        : "";
                result.finding = Finding{i + 1, describe(operation) + repeated, *broken};
                return result;
            }
            if (outcome.failure) {
                ++result.failures.at(static_cast<std::size_t>(*outcome.failure));
                break;
            }
        }
    }
    if (auto broken = brokenResetRule(calculator)) {
        result.finding = Finding{operations.size() + 1, "reset at the end", *broken};
    }
    return result;
}

std::string describe(const Finding& finding) {
    return "step " + std::to_string(finding.step) + " (" + finding.operation +
           "): " + finding.problem;
}

}  // namespace zorvane::checks
