#include "SequenceRunner.h"

#include <cmath>
#include <exception>
#include <string_view>
#include <utility>
#include <vector>

#include "Calculator.h"
#include "Operations.h"
#include "ShownNumber.h"

namespace zorvane::checks {

namespace {

// Bound the work of one sequence: digit runs can be long, and each digit typed
// in normal mode lengthens the main display, which every step copies.
constexpr long kMaxEngineCalls = 40000;
constexpr std::size_t kMaxMainText = 1024;

// Keys pressed after a reset, on the calculator under test and on a fresh
// one: a digit and equals, sign change, an operator and its operand, then
// each kind of trading function.
constexpr std::string_view kProbe = "5=~+2=.5*=R2=1=S3=K4=5=";

bool withinBounds(const SequenceResult& result, const KeyDriver& calculator) {
    return result.engineCalls < kMaxEngineCalls &&
           calculator.display.mainText.size() <= kMaxMainText;
}

Outcome performCatching(const Operation& operation, KeyDriver& calculator) {
    try {
        perform(operation, calculator);
    } catch (const CalcError& error) {
        return {error.failure(), std::nullopt};
    } catch (const std::exception& error) {
        return {std::nullopt, std::string("threw std::exception: ") + error.what()};
    } catch (...) {
        return {std::nullopt, std::string("threw something that is not a std::exception")};
    }
    return {};
}

// The length of the UTF-8 sequence a lead byte begins and the bits it
// carries; length 0 for a byte that begins none.
std::pair<std::size_t, std::uint32_t> leadByte(std::uint8_t lead) {
    if (lead < 0x80) {
        return {1, lead};
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, lead & 0x1Fu};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, lead & 0x0Fu};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, lead & 0x07u};
    }
    return {0, 0};
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto [length, codePoint] = leadByte(static_cast<std::uint8_t>(text[i]));
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        const bool overlong =
            (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

// Whatever a text shows, it is no infinity or NaN as a C++ library writes them.
bool showsNonFinite(std::string_view text) {
    for (std::string_view word : {"inf", "INF", "nan", "NAN"}) {
        if (text.find(word) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Long texts (thousands of typed digits) are cut in the report.
std::string quoted(const std::string& text) {
    constexpr std::size_t kShown = 200;
    std::string shown = "\"";
    shown += text.substr(0, kShown);
    shown += '"';
    if (text.size() > kShown) {
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return shown;
}

std::optional<std::string> brokenText(const std::string& name, const std::string& text) {
    if (!isValidUtf8(text) || showsNonFinite(text)) {
        return name + " shows " + quoted(text);
    }
    return std::nullopt;
}

// Digits, the point and the sign change write the number being typed.
bool entersNumber(std::optional<Command> command) {
    return command && (*command <= Command::Digit9 || *command == Command::Point ||
                       *command == Command::SignChange);
}

bool allFinite(const CalculatorState& s) {
    return std::isfinite(s.operation.entryValue.toDouble()) &&
           std::isfinite(s.operation.accumulator.toDouble()) &&
           std::isfinite(s.operation.resultValue);
}

bool sameDisplay(const RecordingDisplay& a, const RecordingDisplay& b) {
    return a.mainText == b.mainText && a.mainAlignment == b.mainAlignment &&
           a.inputText == b.inputText && a.inputVisible == b.inputVisible &&
           a.mainEnabled == b.mainEnabled && a.inputEnabled == b.inputEnabled;
}

}  // namespace

std::optional<std::string> brokenStep(const KeyDriver& before, const KeyDriver& after,
                                      const Outcome& outcome) {
    if (outcome.foreignException) {
        return outcome.foreignException;
    }
    if (auto broken = brokenText("main display", after.display.mainText)) {
        return broken;
    }
    if (auto broken = brokenText("input box", after.display.inputText)) {
        return broken;
    }
    if (!allFinite(after.state)) {
        return "holds a number that is not finite";
    }
    if (outcome.failure && (after.display.mainText != before.display.mainText ||
                            after.display.inputText != before.display.inputText)) {
        return std::string("changed a display text before failing with \"") +
               CalcError(*outcome.failure).what() + "\"";
    }
    return std::nullopt;
}

std::optional<std::string> brokenReset(const KeyDriver& calculator) {
    KeyDriver tested = calculator;
    KeyDriver fresh;
    try {
        tested.press('C');
        fresh.press('C');
        for (std::size_t i = 0; i <= kProbe.size(); ++i) {
            if (!sameDisplay(tested.display, fresh.display)) {
                const std::string keys(kProbe.substr(0, i));
                return "after reset and the keys \"" + keys + "\" the displays show " +
                       quoted(tested.display.mainText) + " and " +
                       quoted(tested.display.inputText) + ", a fresh calculator " +
                       quoted(fresh.display.mainText) + " and " + quoted(fresh.display.inputText);
            }
            if (i < kProbe.size()) {
                tested.press(kProbe[i]);
                fresh.press(kProbe[i]);
            }
        }
    } catch (const std::exception& error) {
        return std::string("reset or the keys after it threw: ") + error.what();
    }
    return std::nullopt;
}

SequenceResult runSequence(std::span<const std::uint8_t> bytes) {
    SequenceResult result;
    KeyDriver calculator;
    const std::vector<Operation> operations = decodeOperations(bytes);
    for (std::size_t i = 0; i < operations.size() && withinBounds(result, calculator); ++i) {
        const Operation& operation = operations[i];
        const int repeats = operation.kind == Operation::Kind::DigitRun ? operation.count : 1;
        ++result.operations;
        for (int repeat = 0; repeat < repeats && withinBounds(result, calculator); ++repeat) {
            const KeyDriver before = calculator;
            const Outcome outcome = performCatching(operation, calculator);
            ++result.engineCalls;
            auto broken = brokenStep(before, calculator, outcome);
            if (!broken && !outcome.failure && !calculator.state.trading.functionMode &&
                entersNumber(commandOf(operation))) {
                broken = brokenShownNumber(calculator.state, calculator.display.mainText);
            }
            if (!broken && outcome.failure) {
                broken = brokenReset(calculator);
            }
            if (broken) {
                const std::string repeated =
                    repeats > 1 ? " (" + std::to_string(repeat + 1) + " of them)" : "";
                result.finding = Finding{i + 1, describe(operation) + repeated, *broken};
                return result;
            }
            if (outcome.failure) {
                ++result.failures.at(static_cast<std::size_t>(*outcome.failure));
                break;
            }
        }
    }
    if (auto broken = brokenReset(calculator)) {
        result.finding = Finding{operations.size() + 1, "reset at the end", *broken};
    }
    return result;
}

std::string describe(const Finding& finding) {
    return "step " + std::to_string(finding.step) + " (" + finding.operation +
           "): " + finding.problem;
}

}  // namespace zorvane::checks
