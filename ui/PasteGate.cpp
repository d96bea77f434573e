#include "PasteGate.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zorvane::ui {

std::optional<QString> PasteGate::read() {
    // A platform that delivers input while the read waits (a modal loop)
    // hands the press over at once.
    if (reading_ || (sinceLongWait_.isValid() && !sinceLongWait_.hasExpired(kQueuedPressesMs))) {
        return std::nullopt;
    }
    reading_ = true;
    QElapsedTimer waited;
    waited.start();
    QString text = QGuiApplication::clipboard()->text();
    reading_ = false;
    if (waited.hasExpired(kLongWaitMs)) {
        sinceLongWait_.start();
    } else {
        sinceLongWait_.invalidate();
    }
    return text;
}

}  // namespace zorvane::ui
