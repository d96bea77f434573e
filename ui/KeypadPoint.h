#pragma once

class QKeyEvent;

namespace zorvane::ui {

// Whether a key press is the keypad's decimal key, which stands for the
// point whatever character the layout gives it: "," on German, Russian or
// Brazilian layouts, "." on US, French or Italian ones. The main keyboard's
// comma is not it.
bool isKeypadPoint(const QKeyEvent& event);

}  // namespace zorvane::ui
