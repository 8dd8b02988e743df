// The two memory registers, M1 in Text4 and M2 in Text5, fed from the first operand.
#pragma once

#include "calculator_state.h"

namespace kometa {

// How a register's new value comes from the first operand x and its old value m. The two
// subtractions run in opposite directions on purpose: "M1-" keeps m − x, "M2-" keeps x − m.
enum class RegisterUpdate { Add, SubtractOperand, SubtractRegister };

void UpdateRegister(CalculatorState &state, Field memoryRegister, RegisterUpdate update);

// Moves the register's text, unparsed, into the result and empties the register.
void RecallRegister(CalculatorState &state, Field memoryRegister);

} // namespace kometa
