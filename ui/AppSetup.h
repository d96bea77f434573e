#pragma once

#include <QString>

namespace zorvane::ui {

// The family every control is set in.
inline const QString kSongFamily = QStringLiteral("宋体");

// Maps "宋体" to the Chinese faces that a Linux desktop actually has, so that
// captions and prompts never come out as boxes. Call before any window exists.
void installFontSubstitutions();

// Pins the Fusion style and its own colours, so the window looks the same
// whatever the desktop theme is. Call once the QApplication exists.
void pinStyle();

// Names the program as its desktop entry does, so that docks and task bars
// show the launcher's icon and name for the running window: the X11 window
// class (WM_CLASS "zorvane", the entry's StartupWMClass) and the desktop file
// name (org.zorvane.calculator, the Wayland app id). Call once the
// QApplication exists and before the window is shown.
void tieToLauncher();

}  // namespace zorvane::ui
