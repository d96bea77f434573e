#include "WindowDisplay.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>

namespace zorvane::ui {

namespace {

Qt::Alignment toQt(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case Alignment::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Right:
            break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

WindowDisplay::WindowDisplay(QLineEdit& main, QLineEdit& input, QAbstractButton& equals)
    : main_(main), input_(input), equals_(equals) {}

std::string WindowDisplay::getMainText() const {
    return main_.text().toStdString();
}

void WindowDisplay::setMainText(const std::string& text) {
    main_.setText(QString::fromStdString(text));
}

void WindowDisplay::setMainAlignment(Alignment alignment) {
    main_.setAlignment(toQt(alignment));
}

std::string WindowDisplay::getInputText() const {
    return input_.text().toStdString();
}

void WindowDisplay::setInputText(const std::string& text) {
    input_.setText(QString::fromStdString(text));
}

void WindowDisplay::setInputVisible(bool visible) {
    input_.setVisible(visible);
}

void WindowDisplay::setMainEnabled(bool enabled) {
    main_.setEnabled(enabled);
}

void WindowDisplay::setInputEnabled(bool enabled) {
    input_.setEnabled(enabled);
}

void WindowDisplay::focusEquals() {
    equals_.setFocus(Qt::OtherFocusReason);
}

}  // namespace zorvane::ui
