#pragma once

#include <QFont>
#include <QLineEdit>

namespace zorvane::ui {

// A text box that only the calculator writes: the main display and the input
// box. The user reads it, and copies from it, but changes it neither by typing
// nor through assistive technology: it reports itself read-only, and any text
// that did not come from the calculator is put back at once.
//
// A text is viewed from its start or its end. One viewed from its start (a
// prompt, a result) is shown from its first character and, where it does not
// fit at the box's own size, in a font shrunk just enough to fit (down to
// kSmallestPointSize). One viewed from its end (a number being typed) keeps
// the box's size and the last typed digit in view. Of a very long number only the
// end is handed to the line edit, which lays out its whole text at every key.
class DisplayBox final : public QLineEdit {
    Q_OBJECT

public:
    enum class View { End, Start };

    static constexpr double kSmallestPointSize = 9;

    DisplayBox(const QFont& font, QWidget* parent);

    // Replaces the whole text, as the calculator's display operations do.
    void showText(const QString& text, View view);
    // The whole text as the calculator last wrote it.
    const QString& calculatorText() const { return shown_; }

private:
    void putBackOwnText();
    static QString laidOutPart(const QString& text);
    QFont fittingFont(const QString& text, View view);
    double textRoom();

    QFont baseFont_;
    QString shown_;
};

}  // namespace zorvane::ui
