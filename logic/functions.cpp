#include "functions.h"

#include "number_text.h"

#include <cmath>
#include <cstddef>
#include <string>

namespace kometa {

namespace {

double ParseFirstOperand(const CalculatorState &state)
{
    return ParseNumber(state.Read(Field::Text1));
}

void WriteResult(CalculatorState &state, double value)
{
    state.Write(Field::Text3, FormatNumber(value, state.DecimalSeparator()));
}

void WriteMessage(CalculatorState &state, std::u16string_view message)
{
    state.Write(Field::Text3, std::u16string(message));
}

// Long operands are refused before anything is parsed; the lengths count every character.
bool OperandsTooLongForPower(std::size_t baseLength, std::size_t exponentLength)
{
    return (baseLength > 3 && exponentLength > 1) || (baseLength > 0 && exponentLength > 2);
}

// The base raised to the exponent; throws ArithmeticFault where no finite double results.
double CheckedPower(double base, double exponent)
{
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw ArithmeticFault(FaultCondition::InvalidArgument);
    if (base == 0.0 && exponent < 0.0)
        throw ArithmeticFault(FaultCondition::DivisionByZero);
    const double power = std::pow(base, exponent);
    if (std::isnan(power))
        throw ArithmeticFault(FaultCondition::InvalidArgument);
    if (std::isinf(power))
        throw ArithmeticFault(FaultCondition::Overflow);
    return power;
}

} // namespace

void Sine(CalculatorState &state)
{
    WriteResult(state, std::sin(ParseFirstOperand(state)));
}

void Cosine(CalculatorState &state)
{
    WriteResult(state, std::cos(ParseFirstOperand(state)));
}

void Tangent(CalculatorState &state)
{
    const double x = ParseFirstOperand(state);
    if (x == 90.0 || x == 270.0)
        return WriteMessage(state, TangentPoleMessage);
    WriteResult(state, std::tan(x));
}

void Cotangent(CalculatorState &state)
{
    const double x = ParseFirstOperand(state);
    if (x == 0.0 || x == 180.0)
        return WriteMessage(state, CotangentPoleMessage);
    const double sine = std::sin(x);
    const double cosine = std::cos(x);
    WriteResult(state, CheckedDivision(cosine, sine));
}

void SquareRoot(CalculatorState &state)
{
    const double x = ParseFirstOperand(state);
    if (x < 0.0)
        return WriteMessage(state, NegativeRootMessage);
    WriteResult(state, std::sqrt(x));
}

void Power(CalculatorState &state)
{
    const std::u16string base = state.Read(Field::Text1);
    const std::u16string exponent = state.Read(Field::Text2);
    if (OperandsTooLongForPower(base.size(), exponent.size())) {
        WriteMessage(state, PowerTooLongMessage);
    } else {
        const double e = ParseNumber(exponent);
        const double b = ParseNumber(base);
        WriteResult(state, CheckedPower(b, e));
    }
    // A base of exactly 1 always answers 1, even over a refusal.
    if (ParseNumber(base) == 1.0)
        state.Write(Field::Text3, FormatSmallInteger(1));
}

} // namespace kometa
