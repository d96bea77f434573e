#include "KeypadPoint.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>

namespace zorvane::ui {

namespace {

// How each platform names the key natively, for a layout whose character for
// it is neither "," nor ".": X11 by its keysyms with NumLock on (KP_Decimal,
// KP_Separator), Windows by its virtual keys (VK_DECIMAL, VK_SEPARATOR).
struct NativeKeys {
    const char* platform;
    std::array<std::uint32_t, 2> keys;
};
constexpr std::array<NativeKeys, 2> kNativePointKeys = {{
    {"xcb", {0xffae, 0xffac}},
    {"windows", {0x6e, 0x6c}},
}};

bool isNativePointKey(std::uint32_t nativeKey) {
    const QString platform = QGuiApplication::platformName();
    return std::any_of(
        kNativePointKeys.begin(), kNativePointKeys.end(), [&](const NativeKeys& entry) {
            return platform == QLatin1String(entry.platform) &&
                   std::find(entry.keys.begin(), entry.keys.end(), nativeKey) != entry.keys.end();
        });
}

}  // namespace

bool isKeypadPoint(const QKeyEvent& event) {
    // Qt names the key by its character and marks it as the keypad's.
    if (!event.modifiers().testFlag(Qt::KeypadModifier)) {
        return false;
    }
    const int key = event.key();
    return key == Qt::Key_Comma || key == Qt::Key_Period ||
           isNativePointKey(event.nativeVirtualKey());
}

bool isLockedKeypadKey(const QKeyEvent& event) {
    if (!event.modifiers().testFlag(Qt::KeypadModifier)) {
        return false;
    }
    switch (event.key()) {
        case Qt::Key_Insert:
        case Qt::Key_Delete:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Clear:
            return true;
        default:
            return false;
    }
}

}  // namespace zorvane::ui
