#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "DisplayBox.h"
#include "Panel.h"

class QWindow;

// Puts the calculator window on screen and works it the way a user does: mouse
// clicks on its buttons and keys typed into the window.
class PanelDriver {
public:
    PanelDriver();

    zorvane::ui::Panel& panel() { return panel_; }
    QWindow* window() const;

    QWidget* control(const QString& name) const;
    QAbstractButton* button(const QString& name) const;
    zorvane::ui::DisplayBox* mainBox() const;
    zorvane::ui::DisplayBox* inputBox() const;
    QLabel* notice() const;

    // Clicks the buttons named in `script`, separated by blanks. A word is
    // a button's object name or its caption: "反弹 2 0 = 1 0 =".
    void click(const QString& script) const;
    // Types each character of `keys` into the window.
    void type(const QString& keys) const;
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // One press or release as the platform delivers it, with its own text,
    // so presses can overlap and repeat.
    void keyEvent(bool press, Qt::Key key, const QString& text,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) const;
    // Presses each key of `keys` while the previous one is still held, and
    // releases it after the next one went down: fast typing with overlap.
    void typeRolledOver(const QString& keys) const;

private:
    zorvane::ui::Panel panel_;
};

// Prepares the application the way the program does before its window opens.
void prepareApplication();
