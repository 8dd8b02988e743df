// The keypad: filling and editing the two operand fields as text.
#pragma once

#include "calculator_state.h"

#include <cstdint>

namespace kometa {

// Appends a digit or the point to whichever operand the indicator selects. The text is
// not checked: "1.." and "00" are kept as clicked.
void AppendToActiveOperand(CalculatorState &state, char16_t piece);

// Rewrites the active operand as its negated value.
void NegateActiveOperand(CalculatorState &state);

void DeleteLastCharacter(CalculatorState &state, Field operand);

// A click into an operand field empties it and makes it the active one.
void SelectOperand(CalculatorState &state, Field operand, std::int16_t indicator);

void ToggleActiveOperand(CalculatorState &state);

void CopyResultToOperand(CalculatorState &state, Field operand);

// Exchanges the operands' values, not their texts.
void SwapOperands(CalculatorState &state);

} // namespace kometa
