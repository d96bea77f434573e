#pragma once

#include <QWidget>

class QString;

namespace zorvane::ui {

// Reads a text out to screen readers without moving the focus and without
// showing anything: an empty child of the window whose accessible role is a
// notification. Qt 6.4 has no announcement event on Linux, and its AT-SPI
// bridge passes QAccessible::Alert events on to no one; a notification that
// appears (state-changed:showing) is what Orca speaks. The window announces
// the main display's text after "=" this way.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget& window);

    void announce(const QString& text);
};

// Makes assistive technology see the error notice and the announcer as
// notifications (AT-SPI role "notification") instead of plain labels. Safe
// to call more than once.
void reportNoticesAsNotifications();

}  // namespace zorvane::ui
