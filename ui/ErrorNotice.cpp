#include "ErrorNotice.h"

#include <QAccessible>
#include <QPalette>

#include "Announcer.h"
#include "AppSetup.h"

namespace zorvane::ui {

ErrorNotice::ErrorNotice(QWidget& window) : QLabel(&window) {
    reportNoticesAsNotifications();
    setObjectName(QStringLiteral("提示"));
    setAccessibleDescription(QStringLiteral("提示"));
    QFont noticeFont(kSongFamily);
    noticeFont.setPointSizeF(kLargestPointSize);
    setFont(noticeFont);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    // Clicks go through to the button underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ErrorNotice::showNotice(const QString& text, const QRect& band) {
    setText(text);
    // Screen readers read the notice itself as its name.
    setAccessibleName(text);
    fitInto(band.size());
    QRect place = rect();
    place.moveCenter(band.center());
    move(place.topLeft());
    raise();
    // Appearing, the notification is read out (state-changed:showing). It is
    // hidden before every operation, so each notice appears anew.
    show();
    // Platforms whose bridges know alerts (Windows) also get the event.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ErrorNotice::fitInto(const QSize& room) {
    // The largest size, in half points, whose text with frame and margins
    // the face at hand sets within the room: Noto CJK's lines are taller
    // than AR PL UMing's.
    QFont shrunk = font();
    for (double size = kLargestPointSize; size >= kSmallestPointSize; size -= 0.5) {
        shrunk.setPointSizeF(size);
        setFont(shrunk);
        const QSize needed = sizeHint();
        if (needed.width() <= room.width() && needed.height() <= room.height()) {
            break;
        }
    }
    adjustSize();
}

}  // namespace zorvane::ui
