#include "calculator_state.h"

#include "number_text.h"

#include <cmath>
#include <utility>

namespace kometa {

namespace {

std::size_t IndexOf(Field field)
{
    return static_cast<std::size_t>(field);
}

const char *Describe(FaultCondition condition)
{
    switch (condition) {
    case FaultCondition::Overflow:
        return "overflow";
    case FaultCondition::DivisionByZero:
        return "division by zero";
    case FaultCondition::InvalidOperation:
        return "invalid operation";
    case FaultCondition::InvalidArgument:
        return "invalid argument";
    }
    return "arithmetic fault";
}

} // namespace

std::u16string InitialText(Field field)
{
    switch (field) {
    case Field::Text4:
    case Field::Text5:
        return u" ";
    case Field::Text6:
        return u"1";
    default:
        return {};
    }
}

InMemoryState::InMemoryState(char16_t decimalSeparator) : CalculatorState(decimalSeparator)
{
    for (std::size_t i = 0; i < FieldCount; ++i)
        texts[i] = InitialText(static_cast<Field>(i));
}

std::u16string InMemoryState::Read(Field field) const
{
    return texts[IndexOf(field)];
}

void InMemoryState::Write(Field field, std::u16string text)
{
    texts[IndexOf(field)] = std::move(text);
}

ArithmeticFault::ArithmeticFault(FaultCondition condition)
    : std::runtime_error(Describe(condition)), condition(condition)
{
}

double CheckedResult(double result)
{
    if (std::isnan(result))
        throw ArithmeticFault(FaultCondition::InvalidOperation);
    if (std::isinf(result))
        throw ArithmeticFault(FaultCondition::Overflow);
    return result;
}

double CheckedDivision(double dividend, double divisor)
{
    if (divisor == 0.0) {
        // 0/0 has no value at all; anything else over zero would be infinite.
        throw ArithmeticFault(dividend == 0.0 || std::isnan(dividend)
                                      ? FaultCondition::InvalidOperation
                                      : FaultCondition::DivisionByZero);
    }
    return CheckedResult(dividend / divisor);
}

Field ActiveOperand(const CalculatorState &state)
{
    return ParseNumber(state.Read(Field::Text6)) == 1.0 ? Field::Text1 : Field::Text2;
}

} // namespace kometa
