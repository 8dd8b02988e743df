#include "binary_operations.h"

#include "number_text.h"

#include <string>
#include <utility>

namespace kometa {

namespace {

void NormalizeBothOperands(CalculatorState &state)
{
    NormalizeDecimalComma(state, Field::Text1);
    NormalizeDecimalComma(state, Field::Text2);
}

template <typename Step>
void CombineOperands(CalculatorState &state, Step step)
{
    NormalizeBothOperands(state);
    // The second operand is read first, so its overflow is the one reported.
    const double second = ParseNumber(state.Read(Field::Text2));
    const double first = ParseNumber(state.Read(Field::Text1));
    const double result = CheckedResult(step(first, second));
    state.Write(Field::Text3, FormatNumber(result, state.DecimalSeparator()));
}

} // namespace

void NormalizeDecimalComma(CalculatorState &state, Field operand)
{
    std::u16string text = state.Read(operand);
    if (const auto comma = text.rfind(u','); comma != std::u16string::npos)
        text[comma] = u'.';
    state.Write(operand, std::move(text));
}

void Addition(CalculatorState &state)
{
    CombineOperands(state, [](double a, double b) { return a + b; });
}

void Subtraction(CalculatorState &state)
{
    CombineOperands(state, [](double a, double b) { return a - b; });
}

void Multiplication(CalculatorState &state)
{
    CombineOperands(state, [](double a, double b) { return a * b; });
}

void Division(CalculatorState &state)
{
    NormalizeBothOperands(state);
    const double divisor = ParseNumber(state.Read(Field::Text2));
    if (divisor == 0.0)
        return state.Write(Field::Text3, std::u16string(DivisionByZeroMessage));
    const double dividend = ParseNumber(state.Read(Field::Text1));
    const double quotient = CheckedDivision(dividend, divisor);
    state.Write(Field::Text3, FormatNumber(quotient, state.DecimalSeparator()));
}

} // namespace kometa
