#include "Colours.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace zorvane::ui {

QColor windowBackground() {
    return QColor(128, 128, 255);
}

QColor boxBackground() {
    return QColor(0, 0, 192);
}

QColor systemWindowColour() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor systemActiveBorderColour() {
    return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

QColor markedButtonFace() {
    return {255, 214, 110};
}

void paintBox(QLineEdit& box, const QColor& background, const QColor& text) {
    QPalette palette = box.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    box.setPalette(palette);
}

}  // namespace zorvane::ui
