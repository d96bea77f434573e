#include "DisplayBox.h"

#include <QFontMetricsF>
#include <QPainter>
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

// Pixels kept free above and below each of two lines' ink.
constexpr double kLineGap = 1;

// Far more characters than the box can show at its smallest size. Laying out
// a line takes time in proportion to its length, and the engine lets a
// number grow to 32768 characters.
constexpr qsizetype kLongestLaidOut = 1024;

// More characters than either box shows at 9 points, even of the narrowest:
// a longer text is cut without trying to fit it.
constexpr qsizetype kLongestFitted = 256;

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

// A result's two prices, "标准反弹:13.75" and "中级反弹:15", which may take a
// line each; none for any other text.
QStringList twoPrices(const QString& visible) {
    const QStringList parts = visible.split(u' ', Qt::SkipEmptyParts);
    return parts.size() == 2 ? parts : QStringList();
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
    painted_ = layout.painted;
    paintedRight_ = layout.paintedRight;
    setText(laidOutPart(text));
    if (view != View::End) {
        // A text wider than the box scrolls to the cursor: put it at the start.
        setCursorPosition(0);
    }
    update();
}

QStringList DisplayBox::shownLines() const {
    return painted_.isEmpty() ? QStringList{text()} : painted_;
}

void DisplayBox::paintEvent(QPaintEvent* event) {
    if (painted_.isEmpty()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetricsF metrics(font());
    const TextLine line = textLine();
    const double lineHeight =
        static_cast<double>(line.bottom - line.top + 1) / static_cast<double>(painted_.size());
    for (qsizetype i = 0; i < painted_.size(); ++i) {
        const QString& part = painted_[i];
        const double width = metrics.horizontalAdvance(part);
        double left = line.left;
        if (alignment() & Qt::AlignRight) {
            left = paintedRight_ - width;
        } else if (alignment() & Qt::AlignHCenter) {
            left = (line.left + paintedRight_ - width) / 2;
        }
        // One line stands where the line edit puts its text; each of two
        // has its ink centred on its half.
        const double centre = line.top + lineHeight * (static_cast<double>(i) + 0.5);
        const double baseline = painted_.size() == 1
                                    ? centre + (metrics.ascent() - metrics.descent()) / 2
                                    : centre - metrics.tightBoundingRect(part).center().y();
        painter.drawText(QPointF(left, baseline), part);
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
    const QString visible = withoutTrailingBlanks(text);
    const TextLine line = textLine();
    double inkRight = line.right;
    if (view == View::Prompt && cover_ != nullptr) {
        inkRight = std::min(inkRight, cover_->x() - x() - kGapBeforeCover);
    }
    const double room = inkRight - line.left;
    auto fitsOnOneLine = [&](const QFont& font) {
        return inkEnd(QFontMetricsF(font), visible) <= room;
    };
    if (visible.size() <= kLongestFitted) {
        if (const QFont font = largestFitting(fitsOnOneLine); fitsOnOneLine(font)) {
            // The line edit aligns the whole text, trailing blanks and all,
            // between its margins; the blanks and the empty end of the last
            // character reach past the ink. A right margin of what they leave
            // of the covered width keeps the ink left of inkRight, aligned
            // right or centred (then on the free part). Blanks as wide as the
            // cover, as SimSun's are, need none.
            const QFontMetricsF metrics(font);
            const double pastInk = metrics.horizontalAdvance(text) - inkEnd(metrics, visible);
            const double margin = line.right - inkRight - pastInk;
            return {font, std::max(0, static_cast<int>(std::ceil(margin))), {}, 0};
        }
    }
    if (const QStringList prices = twoPrices(visible); view == View::Start && !prices.isEmpty()) {
        const double halfHeight = (line.bottom - line.top + 1) / 2.0;
        auto fitsOnTwoLines = [&](const QFont& font) {
            const QFontMetricsF metrics(font);
            return std::all_of(prices.begin(), prices.end(), [&](const QString& price) {
                return inkEnd(metrics, price) <= room &&
                       metrics.tightBoundingRect(price).height() + 2 * kLineGap <= halfHeight;
            });
        };
        if (const QFont font = largestFitting(fitsOnTwoLines); fitsOnTwoLines(font)) {
            return {font, 0, prices, inkRight};
        }
    }
    // Cut at the smallest size: a number keeps its start (the sign, the
    // operand before an operator) and its last digits, other texts their
    // start. Of a very long number both ends are more than the box holds.
    QFont smallest = baseFont_;
    smallest.setPointSizeF(kSmallestPointSize);
    constexpr qsizetype kHalf = kLongestFitted / 2;
    const QString ends =
        visible.size() > kLongestFitted ? visible.left(kHalf) + visible.right(kHalf) : visible;
    const Qt::TextElideMode cut = view == View::End ? Qt::ElideMiddle : Qt::ElideRight;
    return {smallest, 0, {QFontMetricsF(smallest).elidedText(ends, cut, room)}, inkRight};
}

QFont DisplayBox::largestFitting(const std::function<bool(const QFont&)>& fits) const {
    QFont font = baseFont_;
    if (fits(font)) {
        return font;
    }
    // Text grows with the size: halve the quarter-point steps between the
    // smallest size (taken when none fits) and the box's own, which does not.
    auto sizeAt = [](int step) { return kSmallestPointSize + step * kSizeStep; };
    int low = 0;
    int high =
        static_cast<int>(std::lround((baseFont_.pointSizeF() - kSmallestPointSize) / kSizeStep));
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        font.setPointSizeF(sizeAt(middle));
        (fits(font) ? low : high) = middle;
    }
    font.setPointSizeF(sizeAt(low));
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
    return {contents.left() + kInnerMargin, contents.right() - kInnerMargin - cursorWidth,
            contents.top(), contents.bottom()};
}

}  // namespace zorvane::ui
