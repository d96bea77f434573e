#pragma once

#include <QString>
#include <optional>

namespace zorvane::ui {

// Reads the clipboard for the paste keys, one wait at a time. A program that
// holds the clipboard and hangs makes every read wait for the platform's
// time-outs (15 s on X11), and the window takes no input meanwhile: the
// presses made during the wait arrive after it. Those are dropped, so that
// three impatient presses cost one wait, not three.
class PasteGate {
public:
    // The clipboard's text for a press of the paste keys made at `pressedAt`
    // (the key event's time stamp, in milliseconds); nothing for a press made
    // while an earlier read waited.
    std::optional<QString> read(unsigned long pressedAt);

private:
    bool reading_ = false;
    // The press that began the last read, and how long the read waited.
    unsigned long lastPressedAt_ = 0;
    unsigned long lastWait_ = 0;
};

}  // namespace zorvane::ui
