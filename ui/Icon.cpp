#include "Icon.h"

#include <QPixmap>

namespace zorvane::ui {

namespace {
#include "icons/zorvane.xpm"
}  // namespace

QIcon calculatorIcon() {
    return QIcon(QPixmap(zorvane_xpm));
}

}  // namespace zorvane::ui
