#include <array>
#include <utility>

#include "EngineOperations.h"

namespace zorvane {

namespace {

// The command's position within its group of buttons: the digit of a digit
// button, the operation code of an operator or trading-function button.
constexpr int offset(Command command, Command first) {
    return static_cast<int>(command) - static_cast<int>(first);
}

constexpr OpCode opCodeOf(Command command, Command first, OpCode firstCode) {
    return static_cast<OpCode>(static_cast<int>(firstCode) + offset(command, first));
}

static_assert(opCodeOf(Command::Divide, Command::Add, OpCode::Add) == OpCode::Divide);
static_assert(opCodeOf(Command::Cost, Command::Rebound, OpCode::Rebound) == OpCode::Cost);

using Operation = void (*)(CalculatorState&, DisplayPort&, Command);

// The commands from the previous row's last up to this row's last all run
// this row's operation.
struct Route {
    Command last;
    Operation run;
};

constexpr std::array kRoutes = {
    Route{Command::Digit9, [](CalculatorState& s, DisplayPort& d,
                              Command c) { onDigit(s, d, offset(c, Command::Digit0)); }},
    Route{Command::Point, [](CalculatorState& s, DisplayPort& d, Command) { onPoint(s, d); }},
    Route{Command::SignChange,
          [](CalculatorState& s, DisplayPort& d, Command) { onSignChange(s, d); }},
    Route{Command::Divide,
          [](CalculatorState& s, DisplayPort& d, Command c) {
              onOperator(s, d, opCodeOf(c, Command::Add, OpCode::Add));
          }},
    Route{Command::Equals, [](CalculatorState& s, DisplayPort& d, Command) { onEquals(s, d); }},
    Route{Command::Reset, [](CalculatorState& s, DisplayPort& d, Command) { onReset(s, d); }},
    Route{Command::Cost,
          [](CalculatorState& s, DisplayPort& d, Command c) {
              onFunction(s, d, opCodeOf(c, Command::Rebound, OpCode::Rebound));
          }},
};

// The digits, the point and the sign change build the number being typed.
constexpr bool buildsNumber(Command command) {
    return command <= Command::SignChange;
}

void run(CalculatorState& state, DisplayPort& display, Command command) {
    for (const Route& route : kRoutes) {
        if (command <= route.last) {
            route.run(state, display, command);
            return;
        }
    }
}

}  // namespace

std::optional<StepFailure> press(CalculatorState& state, DisplayPort& display, Command command) {
    try {
        if (buildsNumber(command)) {
            promptNewRound(state, display);
            atStep(CalcStep::Entry, [&] { run(state, display, command); });
        } else {
            atStep(CalcStep::Result, [&] { run(state, display, command); });
        }
    } catch (const CalcError& error) {
        return StepFailure{error.step().value_or(CalcStep::Result), error.failure()};
    }
    return std::nullopt;
}

std::optional<StepFailure> typeNumber(CalculatorState& state, DisplayPort& display,
                                      std::span<const Command> keys) {
    // A fresh number behind the same operator.
    NumberEntry fresh;
    fresh.operatorTrail = std::move(state.entry.operatorTrail);
    state.entry = std::move(fresh);
    for (const Command key : keys) {
        if (auto failure = press(state, display, key)) {
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace zorvane
