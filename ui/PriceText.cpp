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

std::optional<QString> pastedPrice(const QString& clipboardText) {
    const QString price = clipboardText.trimmed();
    if (price.isEmpty() || price.size() > kLongestPastedPrice || price.count(u'.') > 1 ||
        !std::all_of(price.begin(), price.end(),
                     [](QChar ch) { return ch == u'.' || (ch >= u'0' && ch <= u'9'); }) ||
        price == QStringLiteral(".")) {
        return std::nullopt;
    }
    return price;
}

}  // namespace zorvane::ui
