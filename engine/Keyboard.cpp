#include "Calculator.h"

namespace zorvane {

namespace {

constexpr char16_t kEscape = 27;

}  // namespace

void onKey(CalculatorState& state, DisplayPort& display, char16_t ch) {
    if (ch >= u'0' && ch <= u'9') {
        onDigit(state, display, ch - u'0');
        return;
    }
    switch (ch) {
        case u'.':
            onPoint(state, display);
            break;
        case u'+':
            onOperator(state, display, OpCode::Add);
            break;
        case u'-':
            onOperator(state, display, OpCode::Subtract);
            break;
        case u'*':
            onOperator(state, display, OpCode::Multiply);
            break;
        case u'/':
            onOperator(state, display, OpCode::Divide);
            break;
        case u'=':
            onEquals(state, display);
            break;
        case kEscape:
            onReset(state, display);
            break;
        default:
            break;  // every other character is ignored
    }
}

}  // namespace zorvane
