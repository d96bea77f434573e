#pragma once

#include <QRect>
#include <array>

#include "CalculatorState.h"

namespace zorvane::ui {

// The layout was drawn in twips; at 96 dots per inch fifteen of them make one
// logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// The window's client area in pixels (5160 x 4935 twips).
inline constexpr int kClientWidth = 344;
inline constexpr int kClientHeight = 329;

enum class ControlKind { MainDisplay, InputBox, Button };

// The engine operation a click on a control runs.
enum class Click { Nothing, Digit, Point, SignChange, Operator, Equals, Function, Reset };

// One control of the window: what it is, where it stands and what it does.
// Texts are UTF-8; positions and sizes in twips.
struct ControlInfo {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    double pointSize;
    Click click = Click::Nothing;
    int digit = 0;               // for Click::Digit
    OpCode code = OpCode::None;  // for Click::Operator and Click::Function
};

// The 24 controls in creation order; the window is made and wired from it.
extern const std::array<ControlInfo, 24> kControls;

// The control's rectangle in pixels, each edge rounded to the nearest pixel.
QRect pixelRect(const ControlInfo& control);

}  // namespace zorvane::ui
