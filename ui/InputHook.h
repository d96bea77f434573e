#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QEvent;
class QWidget;

namespace zorvane::ui {

// Watches, application-wide, the key and mouse presses meant for one window
// and reports them before the focused control or the control under the
// pointer gets them. It never consumes an event: everything still reaches the
// control it was meant for.
class InputHook final : public QObject {
    Q_OBJECT

public:
    struct Callbacks {
        // Any key or mouse press in the window, reported first.
        std::function<void()> pressed;
        // The character of a typed key; Esc gives 27.
        std::function<void(char16_t)> typed;
    };

    // Lives as a child of `window`; Qt drops the filter when it goes.
    InputHook(QWidget& window, Callbacks callbacks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widgetOfWindow(QObject* watched) const;
    bool isFirstDelivery(QWidget& receiver, const QEvent& event);

    QWidget& window_;
    Callbacks callbacks_;
    // A key press that the focused control ignores is delivered again to each
    // of its parents; these remember the press and its first receiver.
    const QEvent* lastKeyPress_ = nullptr;
    QPointer<QWidget> firstReceiver_;
};

}  // namespace zorvane::ui
