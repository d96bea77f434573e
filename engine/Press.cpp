#include "Operations.h"

namespace zorvane {

void press(CalculatorState& state, DisplayPort& display, Command command) {
    switch (command) {
        case Command::Digit0:
        case Command::Digit1:
        case Command::Digit2:
        case Command::Digit3:
        case Command::Digit4:
        case Command::Digit5:
        case Command::Digit6:
        case Command::Digit7:
        case Command::Digit8:
        case Command::Digit9:
            onDigit(state, display, static_cast<int>(command) - static_cast<int>(Command::Digit0));
            break;
        case Command::Point:
            onPoint(state, display);
            break;
        case Command::SignChange:
            onSignChange(state, display);
            break;
        case Command::Add:
            onOperator(state, display, OpCode::Add);
            break;
        case Command::Subtract:
            onOperator(state, display, OpCode::Subtract);
            break;
        case Command::Multiply:
            onOperator(state, display, OpCode::Multiply);
            break;
        case Command::Divide:
            onOperator(state, display, OpCode::Divide);
            break;
        case Command::Equals:
            onEquals(state, display);
            break;
        case Command::Reset:
            onReset(state, display);
            break;
        case Command::Rebound:
            onFunction(state, display, OpCode::Rebound);
            break;
        case Command::Pullback:
            onFunction(state, display, OpCode::Pullback);
            break;
        case Command::SellOff:
            onFunction(state, display, OpCode::SellOff);
            break;
        case Command::Cost:
            onFunction(state, display, OpCode::Cost);
            break;
    }
}

}  // namespace zorvane
