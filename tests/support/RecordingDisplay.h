#pragma once

#include <string>

#include "DisplayPort.h"

// A display that remembers every property the engine sets, as the window
// would show it, and counts how often the focus went to the equals button.
class RecordingDisplay : public zorvane::DisplayPort {
public:
    std::string mainText;
    zorvane::TextKind mainKind = zorvane::TextKind::Number;
    zorvane::Alignment mainAlignment = zorvane::Alignment::Right;
    std::string inputText;
    bool inputVisible = true;
    bool mainEnabled = true;
    bool inputEnabled = true;
    int focusEqualsCalls = 0;

    void setMainText(const std::string& text, zorvane::TextKind kind) override {
        mainText = text;
        mainKind = kind;
    }
    void setMainAlignment(zorvane::Alignment alignment) override { mainAlignment = alignment; }
    void setInputText(const std::string& text) override { inputText = text; }
    void setInputVisible(bool visible) override { inputVisible = visible; }
    void setMainEnabled(bool enabled) override { mainEnabled = enabled; }
    void setInputEnabled(bool enabled) override { inputEnabled = enabled; }
    void focusEquals() override { ++focusEqualsCalls; }
};
