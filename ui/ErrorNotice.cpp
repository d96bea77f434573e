#include "ErrorNotice.h"

#include <QAccessible>
#include <QPalette>

#include "Announcer.h"
#include "AppSetup.h"

namespace zorvane::ui {

ErrorNotice::ErrorNotice(QWidget& window) : QLabel(&window) {
    reportNoticesAsNotifications();
    setObjectName(QStringLiteral("提示"));
    setAccessibleDescription(QStringLiteral("运算错误"));
    QFont noticeFont(kSongFamily, 12);
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

void ErrorNotice::showFailure(CalcFailure failure, const QRect& band) {
    const QString text = failureText(failure);
    setText(text);
    // Screen readers read the failure itself as the notice's name.
    setAccessibleName(text);
    adjustSize();
    QRect place = rect();
    place.moveCenter(band.center());
    move(place.topLeft());
    raise();
    // Appearing, the notification is read out (state-changed:showing). It is
    // hidden before every operation, so each failure appears anew.
    show();
    // Platforms whose bridges know alerts (Windows) also get the event.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString ErrorNotice::failureText(CalcFailure failure) {
    switch (failure) {
        case CalcFailure::Overflow:
            return QStringLiteral("溢出");
        case CalcFailure::DivisionByZero:
            return QStringLiteral("除数为零");
        case CalcFailure::TypeMismatch:
            return QStringLiteral("类型不匹配");
        case CalcFailure::FloatingPoint:
            return QStringLiteral("浮点运算错误");
    }
    return QStringLiteral("运算错误");
}

}  // namespace zorvane::ui
