#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

#include "CalcError.h"
#include "CalculatorState.h"
#include "Command.h"
#include "ControlTable.h"
#include "FunctionMark.h"
#include "NoticeText.h"
#include "PasteGate.h"

class QAbstractButton;
class QContextMenuEvent;
class QKeySequence;

namespace zorvane::ui {

class Announcer;
class DisplayBox;
class ErrorNotice;
class WindowDisplay;

// The calculator's one window. It owns the 24 controls and the calculator
// state, and hands every click and typed character to the engine. Beside the
// calculator's own keys it offers what a desktop program does: copy (Ctrl+C,
// Ctrl+Insert, or the main display's right-click menu), paste a price
// (Ctrl+V, Shift+Insert) and close (Ctrl+Q, Ctrl+W). The selected trading
// function is marked on its button.
//
// How keys are routed. Every key press meets InputHook first, at the window:
// - a key that types a character goes to the engine's key table (onKey),
//   which alone decides what it does; a new calculator key is a row there;
// - a keypad key that arrives as a navigation key (Num Lock off, or Shift
//   held) stops there with a notice;
// - chords that are window commands (copy, paste, close) are the QAction
//   shortcuts of setUpCommands(); a new one is a row there;
// - Return, Enter and Space reach the focused button (CalcButton), which
//   they press; the calculator keeps the focus on "=".
// Clicks, and screen readers' actions on a button, run the button's command.
class Panel final : public QWidget {
public:
    Panel();
    ~Panel() override;

    // What the calculator holds now; the window tests compare it.
    const CalculatorState& state() const { return state_; }

    // Copies the input box's price while the box is shown (none: nothing),
    // otherwise the main display's text, without blanks at either end.
    void copyShownText();
    // Types the price on the clipboard over the number being typed, if every
    // key of it goes through; otherwise beeps, says why in the notice and
    // changes nothing. A press made while an earlier paste waited on the
    // clipboard does nothing.
    void pastePrice();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setUpWindow();
    // Makes the control of one row, wired to its engine operation.
    QWidget* createControl(const ControlInfo& info);
    void setUpTextBoxes();
    void setUpTabOrder(const std::array<QWidget*, kControls.size()>& controls);
    // Has the selected trading function's button show it.
    void markFunctions(const std::array<QWidget*, kControls.size()>& controls);
    void watchInput();
    void addCommand(std::initializer_list<QKeySequence> keys, std::function<void()> command);
    void setUpCommands();

    // Carries out one command. A calculation that fails beeps and says in
    // the notice what went wrong; the calculator keeps the state the engine
    // left.
    void run(Command command);
    void reportFailure(const Failure& failure);
    // Has screen readers read the main display, after "=".
    void announceMainText();

    CalculatorState state_;
    DisplayBox* mainDisplay_ = nullptr;
    DisplayBox* inputBox_ = nullptr;
    QAbstractButton* equalsButton_ = nullptr;
    std::unique_ptr<WindowDisplay> displayPort_;
    ErrorNotice* notice_ = nullptr;
    Announcer* announcer_ = nullptr;
    std::unique_ptr<FunctionMark> mark_;
    PasteGate pasteGate_;
};

}  // namespace zorvane::ui
