#include "EngineOperations.h"

namespace zorvane {

void onLoad(CalculatorState& state, DisplayPort& display) {
    state.trading.functionMode = false;
    display.setInputVisible(false);
    // Both boxes are output only; all input comes from buttons and keys.
    display.setInputEnabled(false);
    display.setMainEnabled(false);
}

// Keeps awaitingSecond: only a trading-function button leads to it, and that button clears it.
void onReset(CalculatorState& state, DisplayPort& display) {
    state.operation = {.opCode = OpCode::None,
                       .accumulator = CalcValue::int16(0),
                       .entryValue = CalcValue::int16(0),
                       .resultValue = 0.0};
    state.entry = {};
    state.trading.functionMode = false;
    showMain(state, display, "", TextKind::Number);
    showInput(state, display, "");
    display.setInputVisible(false);
    display.focusEquals();
    display.setMainAlignment(Alignment::Right);
}

}  // namespace zorvane
