#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace zorvane::ui {

// A text box that only the calculator writes: the main display and the input
// box. The user reads it, and copies from it, but changes it neither by typing
// nor through assistive technology: it reports itself read-only, and any text
// that did not come from the calculator is put back at once.
//
// Every text is shown whole, in the largest size up to the box's own at which
// its ink fits, and never smaller than the operators' 9-point captions; a
// prompt fits left of the box that covers the right part of this one, where
// the number asked for is typed. A text that does not fit at 9 points is
// painted by the box itself: a result of two prices on two lines, anything
// else cut with "…" where the cut is. A number being typed (View::End) keeps
// its start and its last digits, a result or a prompt its start. The line
// edit keeps the whole text all the same, for screen readers and copy; of a
// very long number it is handed only the end, as it lays out its whole text
// at every key.
class DisplayBox final : public QLineEdit {
    Q_OBJECT

public:
    enum class View : std::uint8_t { End, Start, Prompt };

    // Type smaller than the buttons' captions is hard to read.
    static constexpr double kSmallestPointSize = 9;

    DisplayBox(const QFont& font, QWidget* parent);

    // Prompts end left of `cover`, a sibling over this box's right part.
    void keepPromptsLeftOf(const QWidget& cover);
    // Replaces the whole text, as the calculator's display operations do.
    void showText(const QString& text, View view);
    // The whole text as the calculator last wrote it.
    const QString& calculatorText() const { return shown_; }
    // The lines the box shows of it: the line edit's own text, or the lines
    // the box paints itself, cut or wrapped.
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the line edit lays out an unscrolled text, in the box's own
    // coordinates, without text margins.
    struct TextLine {
        int left;
        int right;
        int top;
        int bottom;
    };
    struct Layout {
        QFont font;
        int rightMargin;
        // Lines the box paints itself, with the right edge of their room;
        // none when the line edit draws the text.
        QStringList painted;
        double paintedRight;
    };

    void putBackOwnText();
    static QString laidOutPart(const QString& text);
    Layout layoutFor(const QString& text, View view);
    QFont largestFitting(const std::function<bool(const QFont&)>& fits) const;
    TextLine textLine();

    QFont baseFont_;
    QString shown_;
    QStringList painted_;
    double paintedRight_ = 0;
    QPointer<const QWidget> cover_;
};

}  // namespace zorvane::ui
