#pragma once

#include <QLabel>

#include "CalcError.h"

namespace zorvane::ui {

// A small label that names a failed calculation, shown across the strip
// between the main display and the trading buttons, so that it covers neither
// the display's text nor the input box nor a caption, and blocks nothing.
// Screen readers see it as a notification and read it out when it appears.
// The window hides it at the next key or click; the displays keep their
// texts.
class ErrorNotice final : public QLabel {
    Q_OBJECT

public:
    explicit ErrorNotice(QWidget& window);

    // Shows the failure's name centred on `band`, above every other
    // control.
    void showFailure(CalcFailure failure, const QRect& band);

    // The name the user reads for a failure.
    static QString failureText(CalcFailure failure);
};

}  // namespace zorvane::ui
