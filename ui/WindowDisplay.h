#pragma once

#include <string>

#include "DisplayPort.h"

class QAbstractButton;
class QLineEdit;

namespace zorvane::ui {

// The engine's view of the window: the main display, the input box and the
// equals button.
class WindowDisplay final : public DisplayPort {
public:
    WindowDisplay(QLineEdit& main, QLineEdit& input, QAbstractButton& equals);

    std::string getMainText() const override;
    void setMainText(const std::string& text) override;
    void setMainAlignment(Alignment alignment) override;
    std::string getInputText() const override;
    void setInputText(const std::string& text) override;
    void setInputVisible(bool visible) override;
    void setMainEnabled(bool enabled) override;
    void setInputEnabled(bool enabled) override;
    void focusEquals() override;

private:
    QLineEdit& main_;
    QLineEdit& input_;
    QAbstractButton& equals_;
};

}  // namespace zorvane::ui
