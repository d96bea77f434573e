#pragma once

#include <QIcon>

namespace zorvane::ui {

// The 32 x 32 calculator picture of the window. icons/zorvane.png is the same
// picture for the desktop entry.
QIcon calculatorIcon();

}  // namespace zorvane::ui
