#include "AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QStringList>
#include <QStyle>

namespace zorvane::ui {

void installFontSubstitutions() {
    // fontconfig knows no "宋体". SimSun is the face itself where it is
    // installed; then Debian's faces for Simplified Chinese that the package
    // may bring, Song/Ming ones first (fonts-arphic-uming,
    // fonts-arphic-gbsn00lp, fonts-noto-cjk), then the sans ones
    // (fonts-noto-cjk, fonts-wqy-zenhei). Qt takes the first one installed.
    QFont::insertSubstitutions(kSongFamily, {
                                                QStringLiteral("SimSun"),
                                                QStringLiteral("AR PL UMing CN"),
                                                QStringLiteral("AR PL SungtiL GB"),
                                                QStringLiteral("Noto Serif CJK SC"),
                                                QStringLiteral("Noto Sans CJK SC"),
                                                QStringLiteral("WenQuanYi Zen Hei"),
                                            });
}

void pinStyle() {
    QStyle* style = QApplication::setStyle(QStringLiteral("Fusion"));
    if (style != nullptr) {
        QApplication::setPalette(style->standardPalette());
    }
}

void tieToLauncher() {
    // Qt takes the window class from the application name; set it, so that a
    // copy started under another file name still matches the desktop entry.
    QCoreApplication::setApplicationName(QStringLiteral("zorvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvane.calculator"));
}

}  // namespace zorvane::ui
