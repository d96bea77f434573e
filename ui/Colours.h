#pragma once

#include <QColor>

class QLineEdit;

namespace zorvane::ui {

// The window's background, RGB(128, 128, 255).
QColor windowBackground();

// The background of both text boxes, RGB(0, 0, 192).
QColor boxBackground();

// The platform's window-background colour (system colour 5): the colour text
// fields are filled with, which Qt calls the Base role.
QColor systemWindowColour();

// The platform's active-border colour (system colour 10): on the classic
// desktops it is the face colour of windows and buttons, Qt's Window role.
QColor systemActiveBorderColour();

// The face of the selected trading function's button: a light amber that
// stands out on the window's blue and under the black caption.
QColor markedButtonFace();

// Fills the box with `background` and writes its text in `text` in every
// colour group, so that a disabled box keeps its colours instead of greying
// its text out.
void paintBox(QLineEdit& box, const QColor& background, const QColor& text);

}  // namespace zorvane::ui
