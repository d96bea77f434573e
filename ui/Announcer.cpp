#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

#include "ErrorNotice.h"

namespace zorvane::ui {

namespace {

QAccessibleInterface* notificationFor(const QString& /*className*/, QObject* object) {
    if (qobject_cast<Announcer*>(object) != nullptr ||
        qobject_cast<ErrorNotice*>(object) != nullptr) {
        // The name is the widget's accessible name: the text to read.
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

void reportNoticesAsNotifications() {
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    reportNoticesAsNotifications();
    setObjectName(QStringLiteral("朗读"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // No size: it paints nothing and covers nothing.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text) {
    // Each text appears anew, so that a repeated result is read again.
    hide();
    setAccessibleName(text);
    show();
}

}  // namespace zorvane::ui
