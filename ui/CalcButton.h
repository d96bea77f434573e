#pragma once

#include <QPushButton>

namespace zorvane::ui {

// A button of the calculator window. While it has the focus, Return and the
// keypad's Enter press it as Space does (outside dialogs a QPushButton reacts
// to Space only, and turning on autoDefault would change how it is drawn),
// and it always shows the focus frame: the calculator moves the focus to "="
// itself, and the user must see which button Enter will press, not only after
// walking the buttons with Tab.
//
// Assistive technology activates it as a click: its accessible action (Press,
// or Toggle for a checkable one; UI Automation's Invoke or Toggle) runs the
// button's command, where Qt's own would only flip a checkable button's mark.
class CalcButton final : public QPushButton {
    Q_OBJECT

public:
    CalcButton(const QString& caption, QWidget* parent);

protected:
    // Only the calculator checks a button (the selected trading function's);
    // a click does not toggle it.
    void nextCheckState() override {}
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorvane::ui
