#include "InputHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "Calculator.h"
#include "KeypadPoint.h"
#include "NumLock.h"

namespace zorvane::ui {

namespace {

// The C0 controls and DEL: what Ctrl turns digits and symbols into on X11.
bool isControlCharacter(char16_t ch) {
    return ch < 0x20 || ch == 0x7f;
}

bool isModifierKey(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Mode_switch:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputHook::InputHook(QWidget& window, Callbacks callbacks)
    : QObject(&window), window_(window), callbacks_(std::move(callbacks)) {
    QCoreApplication::instance()->installEventFilter(this);
}

char16_t InputHook::typedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool chord = control || alt || modifiers.testFlag(Qt::MetaModifier);
    // Windows reports AltGr, which types characters on many layouts, as
    // Ctrl+Alt.
    if (chord && !(control && alt)) {
        return 0;
    }
    if (isKeypadPoint(event)) {
        return u'.';
    }
    const QString text = event.text();
    if (text.size() == 1 && !isControlCharacter(text.front().unicode())) {
        return text.front().unicode();
    }
    // Only the Esc key resets: X11 gives Ctrl+Alt+3 and Ctrl+Alt+[ its
    // character too.
    if (event.key() == Qt::Key_Escape) {
        return chord ? char16_t{0} : kEscape;
    }
    // Without text (keypad keys on some platforms), the key names its
    // character: Qt's codes for printable ASCII keys are the characters' own.
    const int key = event.key();
    const bool printable = key > 0x20 && key < 0x7f;
    return text.isEmpty() && !chord && printable ? static_cast<char16_t>(key) : char16_t{0};
}

bool InputHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            // Qt hands the press to the window first and then to the focused
            // control and, while none accepts it, to each of its parents.
            if (isOurWindow(*watched)) {
                const auto& key = static_cast<const QKeyEvent&>(*event);
                if (isModifierKey(key.key())) {
                    break;
                }
                callbacks_.pressed();
                if (isLockedKeypadKey(key)) {
                    callbacks_.keypadLocked(numLockWasOn(key));
                    return true;
                }
                if (const char16_t ch = typedCharacter(key); ch != 0) {
                    callbacks_.typed(ch);
                }
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (isInOurWindow(*watched)) {
                callbacks_.pressed();
            }
            break;
        default:
            break;
    }
    return false;
}

bool InputHook::isOurWindow(const QObject& watched) const {
    return &watched == window_.windowHandle();
}

bool InputHook::isInOurWindow(const QObject& watched) const {
    return watched.isWidgetType() && static_cast<const QWidget&>(watched).window() == &window_;
}

}  // namespace zorvane::ui
