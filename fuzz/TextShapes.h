#pragma once

#include <string_view>

namespace zorvane::checks {

// Whether text is well-formed UTF-8: no stray continuation bytes, overlong
// forms, surrogates or code points beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

// Whether text is a number as the displays write it, with at most
// significantDigits significant digits: "0", "12", "1000", "0.0005", "-3.25",
// "1.234568E+07", "1E-05". No "-0", no trailing zeros after the point, no
// leading zeros, plain decimals from 0.0001 up to what the digits show whole.
bool isNumberText(std::string_view text, int significantDigits);

// Whether text is what the input box can hold: empty, or a number typed while a
// trading function is selected (never negative: typed digits have no sign).
bool isInputBoxText(std::string_view text);

// Whether text is what the main display can show: empty, a prompt, a result
// text, a signed number with an operator character, a signed number, a result
// of equals, each possibly followed by typed digits and points.
bool isMainText(std::string_view text);

}  // namespace zorvane::checks
