#include "WindowDisplay.h"

#include <QAbstractButton>
#include <QString>

#include "DisplayBox.h"

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

DisplayBox::View viewOf(TextKind kind) {
    switch (kind) {
        case TextKind::Prompt:
            return DisplayBox::View::Prompt;
        case TextKind::Result:
            return DisplayBox::View::Start;
        case TextKind::Number:
            break;
    }
    return DisplayBox::View::End;
}

}  // namespace

WindowDisplay::WindowDisplay(DisplayBox& main, DisplayBox& input, QAbstractButton& equals)
    : main_(main), input_(input), equals_(equals) {}

void WindowDisplay::setMainText(const std::string& text, TextKind kind) {
    // A typed number is read from its end; prompts and results from their start.
    main_.showText(QString::fromStdString(text), viewOf(kind));
}

void WindowDisplay::setMainAlignment(Alignment alignment) {
    main_.setAlignment(toQt(alignment));
}

void WindowDisplay::setInputText(const std::string& text) {
    input_.showText(QString::fromStdString(text), DisplayBox::View::End);
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
