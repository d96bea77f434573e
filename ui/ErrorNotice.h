#pragma once

#include <QLabel>

#include "CalcError.h"

namespace zorvane::ui {

// A small label that names a failed calculation, shown over the middle of the
// main display without blocking the window and announced to screen readers as
// an alert. The window hides it at the next key or click; the displays keep
// their texts.
class ErrorNotice final : public QLabel {
    Q_OBJECT

public:
    explicit ErrorNotice(QWidget& window);

    // Shows the failure's name centred on `anchor`, above every other
    // control.
    void showFailure(CalcFailure failure, const QRect& anchor);

    // The name the user reads for a failure.
    static QString failureText(CalcFailure failure);
};

}  // namespace zorvane::ui
