// The four arithmetic buttons: each computes at once from the two operand texts.
#pragma once

#include "calculator_state.h"

#include <string_view>

namespace kometa {

inline constexpr std::u16string_view DivisionByZeroMessage = u"на ноль неделится";

// Turns the last comma of an operand into a point, since results may carry the locale's
// comma but numbers are read only with a point. Always writes the field back.
void NormalizeDecimalComma(CalculatorState &state, Field operand);

void Addition(CalculatorState &state);
void Subtraction(CalculatorState &state);
void Multiplication(CalculatorState &state);
void Division(CalculatorState &state);

} // namespace kometa
