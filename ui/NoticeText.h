#pragma once

#include <QString>
#include <cstdint>
#include <variant>

#include "CalcError.h"

namespace zorvane::ui {

// The words of the window's notices: what went wrong and what to do, in a
// trader's words, picked by the step that failed and how.

// Why the window refused a paste before typing any of it.
enum class PasteProblem : std::uint8_t {
    NoNumber,   // no digit: no text, only blanks, or a point alone
    NotAPrice,  // a character other than digits and one point
    TooLong,    // more characters than the calculator takes from a paste
};

// Why the window took no notice of a key.
enum class KeyProblem : std::uint8_t {
    KeypadLocked,   // a keypad key with Num Lock off, which would move the focus
    KeypadShifted,  // the same with Num Lock on and Shift held
};

using Failure = std::variant<StepFailure, PasteProblem, KeyProblem>;

QString noticeText(const Failure& failure);

}  // namespace zorvane::ui
