#pragma once

#include <QElapsedTimer>
#include <QString>
#include <optional>

namespace zorvane::ui {

// Reads the clipboard for the paste keys, one wait at a time. A program that
// holds the clipboard and hangs makes every read wait for the platform's
// time-outs (15 s on X11), and the window takes no input meanwhile: the
// presses made during the wait are handed over when it ends. Those are
// dropped, so that three impatient presses cost one wait, not three.
//
// Key events carry no time that tells them apart: X11's time stamps are lost
// on the way through the accessibility bus, and Qt on Windows stamps a key
// when it takes it from the queue. What marks them is when they come: right
// after a long wait, before a user could have seen the window wake up.
class PasteGate {
public:
    // The clipboard's text for a press of the paste keys; nothing for a
    // press handed over while a read waits or just after a long wait.
    std::optional<QString> read();

    // A read that takes this long waited on a program that does not answer.
    static constexpr qint64 kLongWaitMs = 500;
    // How long after such a wait the presses queued behind it still come.
    static constexpr qint64 kQueuedPressesMs = 1000;

private:
    bool reading_ = false;
    QElapsedTimer sinceLongWait_;  // invalid until a read waited long
};

}  // namespace zorvane::ui
