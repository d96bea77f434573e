#include "EqualsButton.h"

#include <QKeyEvent>

namespace zorvane::ui {

void EqualsButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace zorvane::ui
