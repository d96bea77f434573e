#pragma once

#include <QLabel>

namespace zorvane::ui {

// A small label that says what went wrong and what to do, shown in the band
// along the window's foot that holds nothing else, so that it covers no
// control. Screen readers see it as a notification and read it out when it
// appears. The window hides it at the next key or click; the displays keep
// their texts.
class ErrorNotice final : public QLabel {
    Q_OBJECT

public:
    explicit ErrorNotice(QWidget& window);

    // Shows `text` centred on `band`, in the largest type the band holds,
    // never below the 9 points of the operators' captions.
    void showNotice(const QString& text, const QRect& band);

    static constexpr double kLargestPointSize = 12;
    static constexpr double kSmallestPointSize = 9;

private:
    void fitInto(const QSize& room);
};

}  // namespace zorvane::ui
