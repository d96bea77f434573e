#include "ErrorNotice.h"

#include <QAccessible>
#include <QPalette>

#include "AppSetup.h"

namespace zorvane::ui {

ErrorNotice::ErrorNotice(QWidget& window) : QLabel(&window) {
    setObjectName(QStringLiteral("提示"));
    setAccessibleDescription(QStringLiteral("运算错误"));
    QFont noticeFont(kSongFamily, 12);
    setFont(noticeFont);
    setFrameShape(QFrame::Box);
    setMargin(3);
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

void ErrorNotice::showFailure(CalcFailure failure, const QRect& anchor) {
    const QString text = failureText(failure);
    setText(text);
    // Screen readers read the failure itself as the notice's name.
    setAccessibleName(text);
    adjustSize();
    // Inside the main display, so that it hides no button's caption.
    QRect place = rect();
    place.moveCenter(anchor.center());
    move(place.topLeft());
    raise();
    show();
    // Screen readers announce it like a message box's text.
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
