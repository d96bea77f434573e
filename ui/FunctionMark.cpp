#include "FunctionMark.h"

#include "Announcer.h"

namespace zorvane::ui {

void FunctionMark::addButton(OpCode function, QAbstractButton& button) {
    button.setCheckable(true);
    buttons_.at(count_++) = {function, &button};
    // Whatever else checks or clears the button, the mark stays where the
    // calculator has it.
    QObject::connect(&button, &QAbstractButton::toggled, &button, [this, &button](bool checked) {
        if (checked != (&button == marked_)) {
            button.setChecked(!checked);
        }
    });
}

void FunctionMark::follow(OpCode pending, bool functionPressed) {
    QAbstractButton* const selected = buttonOf(pending);
    QAbstractButton* const left = marked_;
    // Pressed again, the selected function brings its first prompt back: say
    // so, as for another one.
    if (selected == left && (selected == nullptr || !functionPressed)) {
        return;
    }
    marked_ = selected;
    if (left != nullptr && left != selected) {
        left->setChecked(false);
    }
    if (selected != nullptr) {
        selected->setChecked(true);
        announcer_.announce(QStringLiteral("已选择：") + selected->text());
    } else {
        announcer_.announce(QStringLiteral("已退出：") + left->text());
    }
}

QAbstractButton* FunctionMark::buttonOf(OpCode pending) const {
    for (std::size_t i = 0; i < count_; ++i) {
        if (buttons_[i].first == pending) {
            return buttons_[i].second;
        }
    }
    return nullptr;
}

}  // namespace zorvane::ui
