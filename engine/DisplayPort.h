#pragma once

#include <cstdint>
#include <string>

namespace zorvane {

enum class Alignment : std::uint8_t { Left = 0, Right = 1, Centre = 2 };

// What the main display shows, so that the window can lay it out: a number
// (being typed, or behind an operator) is read from its end, the last digit
// typed; a prompt or a result is read from its first character.
enum class TextKind : std::uint8_t { Number, Prompt, Result };

// The engine's only access to the window: the main display, the input box and
// the equals button. The engine only writes; it keeps what it shows in
// CalculatorState. Texts are UTF-8.
class DisplayPort {
public:
    virtual ~DisplayPort() = default;

    virtual void setMainText(const std::string& text, TextKind kind) = 0;
    virtual void setMainAlignment(Alignment alignment) = 0;
    virtual void setInputText(const std::string& text) = 0;
    virtual void setInputVisible(bool visible) = 0;
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void setInputEnabled(bool enabled) = 0;
    virtual void focusEquals() = 0;
};

}  // namespace zorvane
