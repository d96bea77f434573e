// Takes the pictures of the window that the guides show. For each picture a
// fresh window is clicked at the centres of the buttons of one use, with the
// positions taken from the control table, and saved as painted (PNG).
//     take_screenshots FOLDER
// Runs on any Qt platform; scripts/screenshot runs it on a virtual X server.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "AppSetup.h"
#include "ControlTable.h"
#include "Panel.h"

namespace {

struct Picture {
    const char* file;
    const char* clicks;  // controls by caption or name, separated by blanks
};

// clang-format off
constexpr Picture kPictures[] = {
    {"zorvane.png", "反弹 1 2 . 5"},
    {"rebound.png", "反弹 2 0 = 1 0 ="},
    {"pullback.png", "回调 2 0 = 1 0 ="},
    {"sell-off.png", "出货 1 0 ="},
    {"cost.png", "成本 1 0 = 1 0 0 0 ="},
};
// clang-format on

const zorvane::ui::ControlInfo* findControl(const QString& word) {
    for (const auto& control : zorvane::ui::kControls) {
        if (word == QString::fromUtf8(control.name) || word == QString::fromUtf8(control.caption)) {
            return &control;
        }
    }
    return nullptr;
}

// Moves the mouse to the control's centre and clicks whatever the window
// shows there; the pointer stays, so the last button shows its hover colour.
bool clickAt(QWidget& window, const zorvane::ui::ControlInfo& control) {
    const QPoint centre = zorvane::ui::pixelRect(control).center();
    QWidget* target = window.childAt(centre);
    if (target == nullptr) {
        return false;
    }
    QTest::mouseMove(&window, centre);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&window, centre));
    return true;
}

bool take(const Picture& picture, const QDir& folder) {
    zorvane::ui::Panel window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the window did not become active\n");
        return false;
    }
    for (const QString& word : QString::fromUtf8(picture.clicks).split(u' ', Qt::SkipEmptyParts)) {
        const zorvane::ui::ControlInfo* control = findControl(word);
        if (control == nullptr || !clickAt(window, *control)) {
            std::fprintf(stderr, "%s: nothing to click for %s\n", picture.file, qPrintable(word));
            return false;
        }
    }
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(picture.file));
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("Saved %s\n", qPrintable(path));
    // Off the window, so that the next one does not open under the pointer.
    QTest::mouseMove(&window, QPoint(-1, -1));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    zorvane::ui::installFontSubstitutions();
    QApplication app(argc, argv);
    zorvane::ui::pinStyle();
    if (argc != 2) {
        std::fprintf(stderr, "usage: take_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const Picture& picture : kPictures) {
        if (!take(picture, folder)) {
            return 1;
        }
    }
    return 0;
}
