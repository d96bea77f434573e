#include "CalcButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPen>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "Colours.h"

namespace zorvane::ui {

namespace {

// A push button, checked when it is the selected function's, whose actions
// all click it.
class ButtonAccess final : public QAccessibleWidget {
public:
    explicit ButtonAccess(CalcButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button().isCheckable();
        state.checked = button().isChecked();
        state.pressed = button().isDown();
        return state;
    }

    QStringList actionNames() const override {
        if (!widget()->isEnabled()) {
            return {};
        }
        if (button().isCheckable()) {
            return {toggleAction(), pressAction()};
        }
        return {pressAction()};
    }

    void doAction(const QString& action) override {
        if (widget()->isEnabled() && (action == pressAction() || action == toggleAction())) {
            button().click();
        }
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

private:
    CalcButton& button() const { return *static_cast<CalcButton*>(widget()); }
};

QAccessibleInterface* accessFor(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<CalcButton*>(object)) {
        return new ButtonAccess(button);
    }
    return nullptr;
}

}  // namespace

CalcButton::CalcButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessFor);
        return true;
    }();
    (void)installed;
}

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
