#pragma once

#include <QLabel>

namespace zorvane::ui {

// A small label that says what went wrong and what to do, shown across the
// strip between the main display and the trading buttons, so that it covers
// neither the display's text nor the input box nor a caption, and blocks
// nothing. Screen readers see it as a notification and read it out when it
// appears. The window hides it at the next key or click; the displays keep
// their texts.
class ErrorNotice final : public QLabel {
    Q_OBJECT

public:
    explicit ErrorNotice(QWidget& window);

    // Shows `text` centred on `band`, above every other control, in type
    // small enough for the band.
    void showNotice(const QString& text, const QRect& band);

    static constexpr double kLargestPointSize = 12;
    static constexpr double kSmallestPointSize = 7;

private:
    void fitInto(const QSize& room);
};

}  // namespace zorvane::ui
