#include "ControlTable.h"

#include <cmath>

namespace zorvane::ui {

// clang-format off
const std::array<ControlInfo, 24> kControls = {{
    {"显示2", ControlKind::InputBox, "", 3000, 270, 1935, 550, 23, 15.75},
    {"出货", ControlKind::Button, "出货目标点预测", 480, 1560, 1935, 495, 22, 9, Command::SellOff},
    {"回调", ControlKind::Button, "回调目标点预测", 2640, 960, 1935, 495, 21, 9, Command::Pullback},
    {"反弹", ControlKind::Button, "反弹目标点预测", 480, 960, 1935, 495, 20, 9, Command::Rebound},
    {"清除", ControlKind::Button, "复   位", 2760, 2280, 1695, 495, 19, 12, Command::Reset},
    {"等于", ControlKind::Button, "=", 2760, 4320, 1575, 495, 18, 9, Command::Equals},
    {"运算除", ControlKind::Button, "/", 3600, 3720, 735, 495, 17, 9, Command::Divide},
    {"运算乘", ControlKind::Button, "*", 2760, 3720, 735, 495, 16, 9, Command::Multiply},
    {"运算减", ControlKind::Button, "-", 3600, 3000, 735, 495, 15, 9, Command::Subtract},
    {"运算加", ControlKind::Button, "+", 2760, 3000, 735, 495, 14, 9, Command::Add},
    {"按键10", ControlKind::Button, "+/-", 2040, 4320, 495, 495, 13, 9, Command::SignChange},
    {"按键", ControlKind::Button, ".", 1320, 4320, 495, 495, 12, 9, Command::Point},
    {"成本", ControlKind::Button, "股票买卖成本", 2640, 1560, 1935, 495, 11, 9, Command::Cost},
    {"按键9", ControlKind::Button, "9", 2040, 2280, 495, 495, 10, 9, Command::Digit9},
    {"按键8", ControlKind::Button, "8", 1320, 2280, 495, 495, 9, 9, Command::Digit8},
    {"按键7", ControlKind::Button, "7", 600, 2280, 495, 495, 8, 9, Command::Digit7},
    {"按键6", ControlKind::Button, "6", 2040, 3000, 495, 495, 7, 9, Command::Digit6},
    {"按键5", ControlKind::Button, "5", 1320, 3000, 495, 495, 6, 9, Command::Digit5},
    {"按键4", ControlKind::Button, "4", 600, 3000, 495, 495, 5, 9, Command::Digit4},
    {"按键3", ControlKind::Button, "3", 2040, 3720, 495, 495, 4, 9, Command::Digit3},
    {"按键2", ControlKind::Button, "2", 1320, 3720, 495, 495, 3, 9, Command::Digit2},
    {"按键1", ControlKind::Button, "1", 600, 3720, 495, 495, 2, 9, Command::Digit1},
    {"按键0", ControlKind::Button, "0", 600, 4320, 495, 495, 1, 9, Command::Digit0},
    {"显示", ControlKind::MainDisplay, "", 120, 240, 4815, 615, 0, 15},
}};
// clang-format on

namespace {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect pixelRect(int left, int top, int width, int height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

}  // namespace

QRect pixelRect(const ControlInfo& control) {
    return pixelRect(control.left, control.top, control.width, control.height);
}

QRect noticeBand() {
    // 420 twips, 28 pixels: the longest notice with its frame in 11.5
    // points in the tallest face, Noto CJK, and in 12 in the others.
    return pixelRect(120, 4905, 4815, 420);
}

}  // namespace zorvane::ui
