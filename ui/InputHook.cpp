#include "InputHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace zorvane::ui {

namespace {

// The character a key press stands for, or 0 for none.
char16_t characterOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (!text.isEmpty()) {
        return text.front().unicode();
    }
    // Some platforms give the Esc key no text.
    return event.key() == Qt::Key_Escape ? char16_t{27} : char16_t{0};
}

}  // namespace

InputHook::InputHook(QWidget& window, Callbacks callbacks)
    : QObject(&window), window_(window), callbacks_(std::move(callbacks)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool InputHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (QWidget* receiver = widgetOfWindow(watched);
                receiver != nullptr && isFirstDelivery(*receiver, *event)) {
                callbacks_.pressed();
                if (const char16_t ch = characterOf(*static_cast<QKeyEvent*>(event)); ch != 0) {
                    callbacks_.typed(ch);
                }
            }
            break;
        case QEvent::KeyRelease:
            // The press is over; the next one may be built at the same address.
            lastKeyPress_ = nullptr;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (widgetOfWindow(watched) != nullptr) {
                callbacks_.pressed();
            }
            break;
        default:
            break;
    }
    return false;
}

QWidget* InputHook::widgetOfWindow(QObject* watched) const {
    if (!watched->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(watched);
    return widget->window() == &window_ ? widget : nullptr;
}

bool InputHook::isFirstDelivery(QWidget& receiver, const QEvent& event) {
    if (&event == lastKeyPress_ && firstReceiver_ != nullptr &&
        receiver.isAncestorOf(firstReceiver_)) {
        return false;
    }
    lastKeyPress_ = &event;
    firstReceiver_ = &receiver;
    return true;
}

}  // namespace zorvane::ui
