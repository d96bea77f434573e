#pragma once

#include <QString>
#include <cstdint>
#include <variant>

#include "CalcError.h"
#include "CalculatorState.h"
#include "Command.h"

namespace zorvane::ui {

// The words of the window's notices: what went wrong and what to do, in a
// trader's words, picked by what the user was doing and what failed.

// What the user was doing when the notice became due.
enum class NoticeContext : std::uint8_t {
    Typing,          // a digit or the point, typed, clicked or pasted
    Equals,          // "=" with nothing more particular pending
    CostEquals,      // "=" in the round-trip cost
    DivisionByZero,  // "=" on a division whose divisor is 0
    Paste,           // Ctrl+V or Shift+Insert, before any key of it is typed
    Other,           // the remaining buttons and keys
};

// Why the window refused a paste before typing any of it.
enum class PasteProblem : std::uint8_t {
    NoNumber,   // no text, only blanks, or a point alone
    NotAPrice,  // a character other than digits and one point
    TooLong,    // more characters than the calculator takes from a paste
};

using Failure = std::variant<CalcFailure, PasteProblem>;

// The context of `command`, pressed while the calculator holds `before`.
NoticeContext contextOf(Command command, const CalculatorState& before);

// The notice for a failure met in a context.
QString noticeText(NoticeContext context, Failure failure);

}  // namespace zorvane::ui
