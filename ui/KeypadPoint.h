#pragma once

class QKeyEvent;

namespace zorvane::ui {

// Whether a key press is the keypad's decimal key, which stands for the
// point whatever character the layout gives it: "," on German, Russian or
// Brazilian layouts, "." on US, French or Italian ones. The main keyboard's
// comma is not it.
bool isKeypadPoint(const QKeyEvent& event);

// Whether a key press is one of the keypad's digit or point keys while Num
// Lock is off, or Shift is held with it on: they then arrive as the arrows,
// Home, End, Page Up and Down, Insert, Delete and (the 5) Clear, marked as
// the keypad's. The main
// keyboard's own arrows and the rest are not.
bool isLockedKeypadKey(const QKeyEvent& event);

}  // namespace zorvane::ui
