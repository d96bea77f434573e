#include "Calculator.h"

namespace zorvane {

void onLoad(CalculatorState& state, DisplayPort& display) {
    state.functionMode = false;
    display.setInputVisible(false);
    // Both boxes are output only; all input comes from buttons and keys.
    display.setInputEnabled(false);
    display.setMainEnabled(false);
}

// Reset leaves awaitingSecond and the trading-function inputs alone: every
// trading-function button clears awaitingSecond itself right after its reset.
void onReset(CalculatorState& state, DisplayPort& display) {
    state.entryValue = CalcValue::int16(0);
    state.opCode = OpCode::None;
    state.accumulator = CalcValue::int16(0);
    state.decimalMode = false;
    state.digitMantissa = 0.0f;
    state.fractionDigits = 0;
    state.resultValue = 0.0f;
    state.functionMode = false;
    display.setMainText("");
    display.setInputText("");
    display.setInputVisible(false);
    display.focusEquals();
    display.setMainAlignment(Alignment::Right);
}

}  // namespace zorvane
