#include "NumLock.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>

namespace zorvane::ui {

namespace {

// The native modifier bit each platform sets while Num Lock is on: X11's core
// key state Mod2, where X servers put Num Lock; on Windows the Num Lock bit
// Qt's key mapper packs with the Shift, Ctrl and Alt keys' own.
struct NumLockBit {
    const char* platform;
    std::uint32_t bit;
};
constexpr std::array<NumLockBit, 2> kNumLockBits = {{
    {"xcb", 0x10},
    {"windows", 0x200},
}};

}  // namespace

bool numLockWasOn(const QKeyEvent& event) {
    const QString platform = QGuiApplication::platformName();
    return std::any_of(kNumLockBits.begin(), kNumLockBits.end(), [&](const NumLockBit& entry) {
        return platform == QLatin1String(entry.platform) &&
               (event.nativeModifiers() & entry.bit) != 0;
    });
}

}  // namespace zorvane::ui
