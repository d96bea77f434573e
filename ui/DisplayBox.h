#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <cstdint>

namespace zorvane::ui {

// A text box that only the calculator writes: the main display and the input
// box. The user reads it, and copies from it, but changes it neither by typing
// nor through assistive technology: it reports itself read-only, and any text
// that did not come from the calculator is put back at once.
//
// A text is viewed from its start or its end. One viewed from its start (a
// result, a prompt) is shown whole from its first character, in the largest
// size up to the box's own at which its ink fits; a prompt fits left of the
// box that covers the right part of this one, where the number asked for is
// typed. One viewed from its end (a number being typed) keeps the box's size
// and the last typed digit in view. Of a very long number only the end is
// handed to the line edit, which lays out its whole text at every key.
class DisplayBox final : public QLineEdit {
    Q_OBJECT

public:
    enum class View : std::uint8_t { End, Start, Prompt };

    // Small enough for the longest result the trading functions give (two
    // negative 15-digit numbers in E form) in the widest Chinese face: it
    // fits at about 7 points. Realistic prices fit at 9 points or more.
    static constexpr double kSmallestPointSize = 6;

    DisplayBox(const QFont& font, QWidget* parent);

    // Prompts end left of `cover`, a sibling over this box's right part.
    void keepPromptsLeftOf(const QWidget& cover);
    // Replaces the whole text, as the calculator's display operations do.
    void showText(const QString& text, View view);
    // The whole text as the calculator last wrote it.
    const QString& calculatorText() const { return shown_; }

private:
    // Where the line edit lays out an unscrolled text, in the box's own
    // coordinates, without text margins.
    struct TextLine {
        int left;
        int right;
    };
    struct Layout {
        QFont font;
        int rightMargin;
    };

    void putBackOwnText();
    static QString laidOutPart(const QString& text);
    Layout layoutFor(const QString& text, View view);
    QFont fittingFont(const QString& visible, double room) const;
    TextLine textLine();

    QFont baseFont_;
    QString shown_;
    QPointer<const QWidget> cover_;
};

}  // namespace zorvane::ui
