#include "operand_entry.h"

#include "number_text.h"

#include <cstddef>
#include <string>
#include <utility>

namespace kometa {

namespace {

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

void AppendToActiveOperand(CalculatorState &state, char16_t piece)
{
    const Field operand = ActiveOperand(state);
    std::u16string text = state.Read(operand);
    text.push_back(piece);
    state.Write(operand, std::move(text));
}

void NegateActiveOperand(CalculatorState &state)
{
    const Field operand = ActiveOperand(state);
    const double negated = CheckedResult(-ParseNumber(state.Read(operand)));
    state.Write(operand, FormatNumber(negated, state.DecimalSeparator()));
}

void DeleteLastCharacter(CalculatorState &state, Field operand)
{
    std::u16string text = state.Read(operand);
    if (text.empty())
        return state.Write(operand, std::move(text));
    // A character beyond U+FFFF takes two code units; removing only one would leave half a
    // character that no font can show and no encoder can save.
    const std::size_t size = text.size();
    const bool endsInPair = size >= 2 && IsLowSurrogate(text[size - 1])
            && IsHighSurrogate(text[size - 2]);
    text.resize(size - (endsInPair ? 2 : 1));
    state.Write(operand, std::move(text));
}

void SelectOperand(CalculatorState &state, Field operand, std::int16_t indicator)
{
    state.Write(operand, std::u16string());
    state.Write(Field::Text6, FormatSmallInteger(indicator));
}

void ToggleActiveOperand(CalculatorState &state)
{
    const bool firstIsActive = ParseNumber(state.Read(Field::Text6)) == 1.0;
    state.Write(Field::Text6, FormatSmallInteger(firstIsActive ? 2 : 1));
}

void CopyResultToOperand(CalculatorState &state, Field operand)
{
    state.Write(operand, state.Read(Field::Text3));
}

void SwapOperands(CalculatorState &state)
{
    const double first = ParseNumber(state.Read(Field::Text1));
    const double second = ParseNumber(state.Read(Field::Text2));
    const char16_t separator = state.DecimalSeparator();
    state.Write(Field::Text1, FormatNumber(second, separator));
    state.Write(Field::Text2, FormatNumber(first, separator));
}

} // namespace kometa
