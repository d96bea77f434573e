#pragma once

#include <cstdint>
#include <string>

namespace zorvane {

enum class Alignment : std::uint8_t { Left = 0, Right = 1, Centre = 2 };

// The engine's only access to the window: the main display, the input box and
// the equals button. Texts are UTF-8.
class DisplayPort {
public:
    virtual ~DisplayPort() = default;

    virtual std::string getMainText() const = 0;
    virtual void setMainText(const std::string& text) = 0;
    virtual void setMainAlignment(Alignment alignment) = 0;
    virtual std::string getInputText() const = 0;
    virtual void setInputText(const std::string& text) = 0;
    virtual void setInputVisible(bool visible) = 0;
    virtual void setMainEnabled(bool enabled) = 0;
    virtual void setInputEnabled(bool enabled) = 0;
    virtual void focusEquals() = 0;
};

}  // namespace zorvane
