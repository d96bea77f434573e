#pragma once

#include <string>

#include "Calculator.h"
#include "DisplayPort.h"

// A display that remembers every property the engine sets, as the window
// would show it, and counts how often the focus went to the equals button.
class RecordingDisplay : public zorvane::DisplayPort {
public:
    std::string mainText;
    zorvane::Alignment mainAlignment = zorvane::Alignment::Right;
    std::string inputText;
    bool inputVisible = true;
    bool mainEnabled = true;
    bool inputEnabled = true;
    int focusEqualsCalls = 0;

    std::string getMainText() const override { return mainText; }
    void setMainText(const std::string& text) override { mainText = text; }
    void setMainAlignment(zorvane::Alignment alignment) override { mainAlignment = alignment; }
    std::string getInputText() const override { return inputText; }
    void setInputText(const std::string& text) override { inputText = text; }
    void setInputVisible(bool visible) override { inputVisible = visible; }
    void setMainEnabled(bool enabled) override { mainEnabled = enabled; }
    void setInputEnabled(bool enabled) override { inputEnabled = enabled; }
    void focusEquals() override { ++focusEqualsCalls; }
};

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
                onOperator(state, display, 1);
                break;
            case '-':
                onOperator(state, display, 2);
                break;
            case '*':
                onOperator(state, display, 3);
                break;
            case '/':
                onOperator(state, display, 4);
                break;
            case '=':
                onEquals(state, display);
                break;
            case 'C':
                onReset(state, display);
                break;
            case 'R':
                onFunction(state, display, 5);
                break;
            case 'P':
                onFunction(state, display, 6);
                break;
            case 'S':
                onFunction(state, display, 7);
                break;
            case 'K':
                onFunction(state, display, 8);
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
