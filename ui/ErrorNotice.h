#pragma once

#include <QLabel>

#include "CalcError.h"

namespace zorvane::ui {

// A small label that names a failed calculation, shown under the main display
// without blocking the window. The window hides it at the next key or click.
class ErrorNotice final : public QLabel {
    Q_OBJECT

public:
    explicit ErrorNotice(QWidget& window);

    // Shows the failure's name centred just below `anchor`, above every
    // other control.
    void showFailure(CalcFailure failure, const QRect& anchor);

    // The name the user reads for a failure.
    static QString failureText(CalcFailure failure);
};

}  // namespace zorvane::ui
