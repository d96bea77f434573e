#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "CalculatorState.h"

class QAbstractButton;
class QLineEdit;

namespace zorvane::ui {

struct ControlInfo;
class ErrorNotice;
class WindowDisplay;

// The calculator's one window. It owns the 24 controls and the calculator
// state, and hands every click and typed character to the engine.
class 面板 final : public QWidget {
public:
    面板();
    ~面板() override;

    // What the calculator holds now; the window tests compare it.
    const CalculatorState& state() const { return state_; }

private:
    void setUpWindow();
    void createControl(const ControlInfo& info);
    void setUpTextBoxes();
    void setUpTabOrder();
    void wireButtons();
    void onClick(const QString& name, std::function<void()> operation);
    void watchInput();

    // Runs one engine operation. A calculation that fails beeps and names the
    // failure in the notice; the calculator keeps the state the engine left.
    void runEngine(const std::function<void()>& operation);

    CalculatorState state_;
    QLineEdit* 显示 = nullptr;
    QLineEdit* 显示2 = nullptr;
    QAbstractButton* 等于 = nullptr;
    std::unique_ptr<WindowDisplay> display_;
    ErrorNotice* notice_ = nullptr;
};

}  // namespace zorvane::ui
