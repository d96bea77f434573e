#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace zorvane::ui {

// Watches, application-wide, the key and mouse presses meant for one window
// and reports them before the focused control or the control under the
// pointer gets them. It consumes only the keypad's keys while they arrive as
// navigation keys (Num Lock off, or Shift held), which would otherwise move
// the focus among the buttons: everything else still reaches the control it
// was meant for.
//
// A key press is taken where the platform hands it to the window, before Qt
// passes it on to the focused control and its parents, so every press counts
// exactly once: with modifiers held, with keys rolled over, and once per
// auto-repeat.
class InputHook final : public QObject {
    Q_OBJECT

public:
    struct Callbacks {
        // Any key (other than a modifier alone) or mouse press in the window,
        // reported first.
        std::function<void()> pressed;
        // The character of a typed key (Esc gives 27); the engine's key
        // table decides what it does.
        std::function<void(char16_t)> typed;
        // A keypad key that arrived as a navigation key: pressed with Num
        // Lock off, or with Shift held and Num Lock on. It goes no further.
        std::function<void(bool numLockOn)> keypadLocked;
    };

    // Lives as a child of `window`; Qt drops the filter when it goes.
    InputHook(QWidget& window, Callbacks callbacks);

    // The character a key press types, or 0 for none. Decided by the key
    // and its modifiers: a Ctrl, Alt or Meta chord types nothing, whatever
    // text the platform gives it, except Ctrl+Alt with a printable text;
    // the keypad's decimal key types the point on every layout; only Esc
    // itself gives 27.
    static char16_t typedCharacter(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isOurWindow(const QObject& watched) const;
    bool isInOurWindow(const QObject& watched) const;

    QWidget& window_;
    Callbacks callbacks_;
};

}  // namespace zorvane::ui
