#pragma once

class QKeyEvent;

namespace zorvane::ui {

// Whether Num Lock was on when a key was pressed, as the platform reports it
// in the key's native modifiers (X11 and Windows); where the platform does
// not say (Wayland, say), it counts as off. With Num Lock on, a keypad key
// that arrives as a navigation key had Shift held.
bool numLockWasOn(const QKeyEvent& event);

}  // namespace zorvane::ui
