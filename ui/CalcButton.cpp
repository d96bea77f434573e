#include "CalcButton.h"

#include <QKeyEvent>
#include <QPen>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "Colours.h"

namespace zorvane::ui {

void CalcButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CalcButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Checked, the style draws the button pressed in; the face colour makes
    // the selected function plain to see.
    if (isChecked()) {
        option.palette.setColor(QPalette::Button, markedButtonFace());
    }
    // Styles draw the focus frame only after a focus change by keyboard.
    if (hasFocus()) {
        option.state |= QStyle::State_KeyboardFocusChange;
    }
    painter.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus()) {
        // The style's thin outline is hard to see on the window's blue: add
        // the classic dotted frame inside the button.
        constexpr int kInset = 4;
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
    }
}

}  // namespace zorvane::ui
