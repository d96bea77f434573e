#pragma once

#include <QPushButton>

namespace zorvane::ui {

// A push button that, while it has the focus, is pressed by Return and the
// keypad's Enter as well as by Space. Outside dialogs a QPushButton reacts to
// Space only, and turning on autoDefault would change how it is drawn.
class EqualsButton final : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zorvane::ui
