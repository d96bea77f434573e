#include "PasteGate.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdint>

namespace zorvane::ui {

std::optional<QString> PasteGate::read(unsigned long pressedAt) {
    // A platform that delivers input while the read waits (a modal loop)
    // hands the press over at once.
    if (reading_) {
        return std::nullopt;
    }
    // X11 stamps its events in 32 bits; the difference survives the wrap.
    const auto sinceLast = static_cast<std::uint32_t>(pressedAt - lastPressedAt_);
    if (sinceLast < lastWait_) {
        return std::nullopt;
    }
    reading_ = true;
    QElapsedTimer waited;
    waited.start();
    QString text = QGuiApplication::clipboard()->text();
    reading_ = false;
    lastPressedAt_ = pressedAt;
    lastWait_ = static_cast<unsigned long>(waited.elapsed());
    return text;
}

}  // namespace zorvane::ui
