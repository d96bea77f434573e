// Zorvane: the share trader's calculator. Opens its window and runs until the
// window is closed.

#include <QApplication>

#include "AppSetup.h"
#include "Panel.h"

int main(int argc, char* argv[]) {
    zorvane::ui::installFontSubstitutions();
    QApplication app(argc, argv);
    zorvane::ui::pinStyle();
    zorvane::ui::tieToLauncher();
    zorvane::ui::Panel window;
    window.show();
    return QApplication::exec();
}
