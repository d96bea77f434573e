#include "DisplayBox.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <climits>
#include <cmath>

#include "PriceText.h"

namespace zorvane::ui {

namespace {

// Sizes are tried in quarter points.
constexpr double kSizeStep = 0.25;

// Far more characters than the box can show at its smallest size. Laying out
// a line takes time in proportion to its length, and the engine lets a
// number grow to 32768 characters.
constexpr qsizetype kLongestLaidOut = 1024;

}  // namespace

DisplayBox::DisplayBox(const QFont& font, QWidget* parent) : QLineEdit(parent), baseFont_(font) {
    setFont(font);
    setReadOnly(true);
    // The calculator may write more than the 32767 characters a line edit
    // keeps by default: a long run of typed zeros ends only in an overflow.
    setMaxLength(INT_MAX);
    connect(this, &QLineEdit::textChanged, this, &DisplayBox::putBackOwnText);
}

void DisplayBox::showText(const QString& text, View view) {
    shown_ = text;
    const QFont font = fittingFont(text, view);
    if (font != this->font()) {
        setFont(font);
    }
    setText(laidOutPart(text));
    if (view == View::Start) {
        // A text wider than the box scrolls to the cursor: put it at the start.
        setCursorPosition(0);
    }
}

void DisplayBox::putBackOwnText() {
    if (const QString own = laidOutPart(shown_); text() != own) {
        setText(own);
    }
}

QString DisplayBox::laidOutPart(const QString& text) {
    // Only numbers grow this long, and they are shown by their end.
    return text.size() > kLongestLaidOut ? text.right(kLongestLaidOut) : text;
}

QFont DisplayBox::fittingFont(const QString& text, View view) {
    QFont font = baseFont_;
    if (view != View::Start) {
        return font;
    }
    const QString visible = withoutTrailingBlanks(text);
    const double room = textRoom();
    auto fits = [&](double pointSize) {
        font.setPointSizeF(pointSize);
        return QFontMetricsF(font).horizontalAdvance(visible) <= room;
    };
    const double largest = baseFont_.pointSizeF();
    if (fits(largest)) {
        return font;
    }
    // Text width grows nearly in proportion to the size: start from that
    // estimate and settle on the largest quarter point that fits.
    const double width = QFontMetricsF(baseFont_).horizontalAdvance(visible);
    double size = std::floor(largest * room / width / kSizeStep) * kSizeStep;
    size = std::clamp(size, kSmallestPointSize, largest - kSizeStep);
    while (size + kSizeStep < largest && fits(size + kSizeStep)) {
        size += kSizeStep;
    }
    while (size > kSmallestPointSize && !fits(size)) {
        size -= kSizeStep;
    }
    font.setPointSizeF(size);
    return font;
}

// The width a line edit gives its text before it starts to scroll it.
double DisplayBox::textRoom() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    // QLineEdit keeps two pixels free on either side, one more pixel and the
    // cursor's width at the end.
    constexpr int kInnerMargin = 2;
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    return contents.width() - 2 * kInnerMargin - 1 - cursorWidth;
}

}  // namespace zorvane::ui
