#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>

#include "CalculatorState.h"

class QAbstractButton;
class QContextMenuEvent;
class QKeySequence;

namespace zorvane::ui {

struct ControlInfo;
class DisplayBox;
class ErrorNotice;
class WindowDisplay;

// The calculator's one window. It owns the 24 controls and the calculator
// state, and hands every click and typed character to the engine. Beside the
// calculator's own keys it offers what a desktop program does: copy the main
// display (Ctrl+C, Ctrl+Insert, or its right-click menu), paste a price
// (Ctrl+V, Shift+Insert) and close (Ctrl+Q, Ctrl+W).
class 面板 final : public QWidget {
public:
    面板();
    ~面板() override;

    // What the calculator holds now; the window tests compare it.
    const CalculatorState& state() const { return state_; }

    // Copies the main display's text, without trailing blanks.
    void copyMainText();
    // Types the price on the clipboard key by key; beeps at anything else.
    void pastePrice();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setUpWindow();
    void createControl(const ControlInfo& info);
    void setUpTextBoxes();
    void setUpTabOrder();
    void wireButtons();
    void onClick(const QString& name, std::function<void()> operation);
    void watchInput();
    void addCommand(std::initializer_list<QKeySequence> keys, std::function<void()> command);
    void setUpCommands();

    // Runs one engine operation. A calculation that fails beeps and names the
    // failure in the notice; the calculator keeps the state the engine left.
    // Tells whether the operation went through.
    bool runEngine(const std::function<void()>& operation);

    CalculatorState state_;
    DisplayBox* 显示 = nullptr;
    DisplayBox* 显示2 = nullptr;
    QAbstractButton* 等于 = nullptr;
    std::unique_ptr<WindowDisplay> display_;
    ErrorNotice* notice_ = nullptr;
};

}  // namespace zorvane::ui
