#include "PriceText.h"

#include <algorithm>

namespace zorvane::ui {

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) {
        --end;
    }
    return text.left(end);
}

std::variant<QString, PasteProblem> pastedPrice(const QString& clipboardText) {
    QString price = clipboardText.trimmed();
    // Full-width digits and thousands separators are not the calculator's.
    const bool plain =
        price.count(u'.') <= 1 && std::all_of(price.begin(), price.end(), [](QChar ch) {
            return ch == u'.' || (ch >= u'0' && ch <= u'9');
        });
    if (!plain) {
        return PasteProblem::NotAPrice;
    }
    if (price.isEmpty() || price == QStringLiteral(".")) {
        return PasteProblem::NoNumber;
    }
    if (price.size() > kLongestPastedPrice) {
        return PasteProblem::TooLong;
    }
    return price;
}

}  // namespace zorvane::ui
