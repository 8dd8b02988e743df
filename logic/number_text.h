// Conversions between field texts and numbers. Both ignore the process locale: the
// separator read is always the point, the one written is handed in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kometa {

// The value of a text: blanks anywhere are ignored, reading stops at the first character
// that cannot continue a number, and a text in which no number starts is 0. "&H…" and
// "&O…" are hexadecimal and octal integers. Throws ArithmeticFault (overflow) for a number
// beyond the range of a double; a number too small for one reads as 0.
double ParseNumber(std::u16string_view text);

// At most 15 significant digits, no trailing zeros, exponent form ("1E+20", "1,5E-07")
// below 1E-4 and from 1E+15 on. Refuses values that are not finite.
std::u16string FormatNumber(double value, char16_t decimalSeparator);

std::u16string FormatSmallInteger(std::int16_t value);

} // namespace kometa
