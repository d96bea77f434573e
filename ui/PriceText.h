#pragma once

#include <QString>
#include <variant>

#include "NoticeText.h"

namespace zorvane::ui {

// What copy and paste make of the calculator's texts.

// A text without its trailing blanks: what a screen reader hears of the main
// display, and the part of a prompt that must stay in view.
QString withoutTrailingBlanks(const QString& text);

// The price in a pasted text, to be typed key by key: a plain decimal number
// of at most kLongestPastedPrice characters (digits with at most one "."),
// with blanks around it allowed; otherwise why it is none.
inline constexpr qsizetype kLongestPastedPrice = 40;
std::variant<QString, PasteProblem> pastedPrice(const QString& clipboardText);

}  // namespace zorvane::ui
