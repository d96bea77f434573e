#pragma once

#include <QIcon>

namespace zorvane::ui {

// The calculator picture of the window in 16 to 64 pixels, rendered
// from icons/zorvane.svg at build time and compiled in as pixels.
QIcon calculatorIcon();

}  // namespace zorvane::ui
