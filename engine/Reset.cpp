#include "EngineOperations.h"

namespace zorvane {

void onLoad(CalculatorState& state, DisplayPort& display) {
    state.trading.functionMode = false;
    showInputBox(state, display, false);
    // Both boxes are output only; all input comes from buttons and keys.
    display.setInputEnabled(false);
    display.setMainEnabled(false);
    // Return and Space then press "=", as after a reset, not the first
    // button in the tab order.
    display.focusEquals();
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
    showInputBox(state, display, false);
    display.focusEquals();
    display.setMainAlignment(Alignment::Right);
}

}  // namespace zorvane
