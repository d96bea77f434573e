#pragma once

#include <QAbstractButton>
#include <array>
#include <utility>

#include "CalculatorState.h"

namespace zorvane::ui {

class Announcer;

// Marks the trading function that "=" works on: its button shows checked
// (pressed in) while the calculator holds that function as its pending
// operation, and assistive technology sees it checked. Reset, an operator or
// another function moves or clears the mark, and screen readers hear which
// function was selected (also when selected again) or left.
class FunctionMark {
public:
    explicit FunctionMark(Announcer& announcer) : announcer_(announcer) {}

    // The button of one trading function; it becomes checkable, but only the
    // calculator checks it.
    void addButton(OpCode function, QAbstractButton& button);

    // Moves the mark to what the calculator now holds, after a trading
    // function's button when functionPressed.
    void follow(OpCode pending, bool functionPressed);

private:
    QAbstractButton* buttonOf(OpCode pending) const;

    Announcer& announcer_;
    std::array<std::pair<OpCode, QAbstractButton*>, 4> buttons_{};
    std::size_t count_ = 0;
    QAbstractButton* marked_ = nullptr;
};

}  // namespace zorvane::ui
