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

// Room left free between a prompt's last ink and the box over the display.
constexpr double kGapBeforeCover = 4;

// Far more characters than the box can show at its smallest size. Laying out
// a line takes time in proportion to its length, and the engine lets a
// number grow to 32768 characters.
constexpr qsizetype kLongestLaidOut = 1024;

// How far the ink of `text` reaches from where the text starts: the advance
// of all but the last character, and the ink of the last one. A full-width
// colon, say, inks only part of its width, more or less of it by face.
double inkEnd(const QFontMetricsF& metrics, const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    const qsizetype last = text.size() - (text.back().isLowSurrogate() ? 2 : 1);
    return metrics.horizontalAdvance(text.left(last)) +
           metrics.tightBoundingRect(text.mid(last)).right();
}

}  // namespace

DisplayBox::DisplayBox(const QFont& font, QWidget* parent) : QLineEdit(parent), baseFont_(font) {
    setFont(font);
    setReadOnly(true);
    // The calculator may write more than the 32767 characters a line edit
    // keeps by default: a long run of typed zeros ends only in an overflow.
    setMaxLength(INT_MAX);
    connect(this, &QLineEdit::textChanged, this, &DisplayBox::putBackOwnText);
}

void DisplayBox::keepPromptsLeftOf(const QWidget& cover) {
    cover_ = &cover;
}

void DisplayBox::showText(const QString& text, View view) {
    shown_ = text;
    const Layout layout = layoutFor(text, view);
    if (layout.font != font()) {
        setFont(layout.font);
    }
    if (const QMargins margins(0, 0, layout.rightMargin, 0); margins != textMargins()) {
        setTextMargins(margins);
    }
    setText(laidOutPart(text));
    if (view != View::End) {
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

DisplayBox::Layout DisplayBox::layoutFor(const QString& text, View view) {
    if (view == View::End) {
        return {baseFont_, 0};
    }
    const QString visible = withoutTrailingBlanks(text);
    const TextLine line = textLine();
    double inkRight = line.right;
    if (view == View::Prompt && cover_ != nullptr) {
        inkRight = std::min(inkRight, cover_->x() - x() - kGapBeforeCover);
    }
    const QFont font = fittingFont(visible, inkRight - line.left);
    // The line edit aligns the whole text, trailing blanks and all, between
    // its margins; the blanks and the empty end of the last character reach
    // past the ink. A right margin of what they leave of the covered width
    // keeps the ink left of inkRight, aligned right or centred (then on the
    // free part). Blanks as wide as the cover, as SimSun's are, need none.
    const QFontMetricsF metrics(font);
    const double pastInk = metrics.horizontalAdvance(text) - inkEnd(metrics, visible);
    const double margin = line.right - inkRight - pastInk;
    return {font, std::max(0, static_cast<int>(std::ceil(margin)))};
}

QFont DisplayBox::fittingFont(const QString& visible, double room) const {
    QFont font = baseFont_;
    auto fits = [&](double pointSize) {
        font.setPointSizeF(pointSize);
        return inkEnd(QFontMetricsF(font), visible) <= room;
    };
    const double largest = baseFont_.pointSizeF();
    if (fits(largest)) {
        return font;
    }
    // Text width grows nearly in proportion to the size: start from that
    // estimate and settle on the largest quarter point that fits.
    const double width = inkEnd(QFontMetricsF(baseFont_), visible);
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

DisplayBox::TextLine DisplayBox::textLine() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    // QLineEdit keeps two pixels free on either side, one more pixel and the
    // cursor's width at the end.
    constexpr int kInnerMargin = 2;
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    return {contents.left() + kInnerMargin, contents.right() - kInnerMargin - cursorWidth};
}

}  // namespace zorvane::ui
