#include "Icon.h"

#include <QSize>
#include <QString>

namespace zorvane::ui {

QIcon calculatorIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/zorvane-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace zorvane::ui
