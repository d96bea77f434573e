#pragma once

#include <string>

#include "Calculator.h"
#include "RecordingDisplay.h"

// A started calculator driven by a string of keys:
//   0-9 . digits and point, ~ sign change, + - * / operators, = equals,
//   C reset, and the trading-function buttons R rebound, P pullback,
//   S sell-off, K round-trip cost.
class KeyDriver {
public:
    zorvane::CalculatorState state;
    RecordingDisplay display;

    KeyDriver() { zorvane::onLoad(state, display); }

    void press(char key) {
        using namespace zorvane;
        switch (key) {
            case '.':
                onPoint(state, display);
                break;
            case '~':
                onSignChange(state, display);
                break;
            case '+':
                onOperator(state, display, OpCode::Add);
                break;
            case '-':
                onOperator(state, display, OpCode::Subtract);
                break;
            case '*':
                onOperator(state, display, OpCode::Multiply);
                break;
            case '/':
                onOperator(state, display, OpCode::Divide);
                break;
            case '=':
                onEquals(state, display);
                break;
            case 'C':
                onReset(state, display);
                break;
            case 'R':
                onFunction(state, display, OpCode::Rebound);
                break;
            case 'P':
                onFunction(state, display, OpCode::Pullback);
                break;
            case 'S':
                onFunction(state, display, OpCode::SellOff);
                break;
            case 'K':
                onFunction(state, display, OpCode::Cost);
                break;
            default:
                onDigit(state, display, key - '0');
                break;
        }
    }

    void press(const std::string& keys) {
        for (char key : keys) {
            press(key);
        }
    }
};
