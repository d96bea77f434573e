#pragma once

#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

#include "Command.h"

namespace zorvane::ui {

// The layout is kept in twips, the unit it was first drawn in: a twip is a
// twentieth of a typographic point, 1/1440 inch, so at 96 dots per inch
// fifteen of them make one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// The window's client area in pixels (5160 x 5415 twips): the controls,
// and under them the notice band.
inline constexpr int kClientWidth = 344;
inline constexpr int kClientHeight = 361;

enum class ControlKind : std::uint8_t { MainDisplay, InputBox, Button };

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
    std::optional<Command> command = std::nullopt;  // what a click asks of the calculator
};

// The 24 controls in creation order; the window is made and wired from it.
extern const std::array<ControlInfo, 24> kControls;

// The control's rectangle in pixels, each edge rounded to the nearest pixel.
QRect pixelRect(const ControlInfo& control);

// Where notices appear, in pixels: a strip of its own along the window's
// foot, under the keypad and as wide as the main display, so that a notice
// covers no control.
QRect noticeBand();

}  // namespace zorvane::ui
