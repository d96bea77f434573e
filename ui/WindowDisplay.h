#pragma once

#include <string>

#include "DisplayPort.h"

class QAbstractButton;

namespace zorvane::ui {

class DisplayBox;

// The engine's view of the window: the main display, the input box and the
// equals button.
class WindowDisplay final : public DisplayPort {
public:
    WindowDisplay(DisplayBox& main, DisplayBox& input, QAbstractButton& equals);

    void setMainText(const std::string& text, TextKind kind) override;
    void setMainAlignment(Alignment alignment) override;
    void setInputText(const std::string& text) override;
    void setInputVisible(bool visible) override;
    void setMainEnabled(bool enabled) override;
    void setInputEnabled(bool enabled) override;
    void focusEquals() override;

private:
    DisplayBox& main_;
    DisplayBox& input_;
    QAbstractButton& equals_;
};

}  // namespace zorvane::ui
