// The six function buttons. Each reads the first operand as it stands (no comma rewrite)
// and writes only the result field.
#pragma once

#include "calculator_state.h"

#include <string_view>

namespace kometa {

inline constexpr std::u16string_view TangentPoleMessage = u"tg 90 и 270  несуществует";
inline constexpr std::u16string_view CotangentPoleMessage = u"ctg 0 и 180  несуществует";
inline constexpr std::u16string_view NegativeRootMessage = u"корень не определён";
inline constexpr std::u16string_view PowerTooLongMessage = u"nain";

// Angles are in radians; the refused arguments are exact values, not poles.
void Sine(CalculatorState &state);
void Cosine(CalculatorState &state);
void Tangent(CalculatorState &state);
void Cotangent(CalculatorState &state);
void SquareRoot(CalculatorState &state);

// The first operand raised to the second.
void Power(CalculatorState &state);

} // namespace kometa
