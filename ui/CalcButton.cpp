#include "CalcButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
    // Styles draw the focus frame only after a focus change by keyboard.
    if (hasFocus()) {
        option.state |= QStyle::State_KeyboardFocusChange;
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace zorvane::ui
