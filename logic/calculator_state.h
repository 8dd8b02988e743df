// The calculator keeps everything it knows as the texts of six fields; this is the
// window-independent view of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kometa {

enum class Field { Text1, Text2, Text3, Text4, Text5, Text6 };

inline constexpr std::size_t FieldCount = 6;

// The text every field holds when the window opens.
std::u16string InitialText(Field field);

// Read and write the six field texts. Writes go straight through: a later read in the same
// operation sees them, and they stay even when the operation then faults.
class CalculatorState
{
public:
    // The decimal separator that results are written with; the caller finds it in the
    // user's locale, so the logic never consults process-wide settings.
    explicit CalculatorState(char16_t decimalSeparator) : separator(decimalSeparator) { }
    virtual ~CalculatorState() = default;

    virtual std::u16string Read(Field field) const = 0;
    virtual void Write(Field field, std::u16string text) = 0;

    char16_t DecimalSeparator() const { return separator; }

protected:
    CalculatorState(const CalculatorState &) = default;
    CalculatorState &operator=(const CalculatorState &) = default;

private:
    char16_t separator;
};

// Fields held in memory, starting from the initial texts.
class InMemoryState : public CalculatorState
{
public:
    explicit InMemoryState(char16_t decimalSeparator = u'.');

    std::u16string Read(Field field) const override;
    void Write(Field field, std::u16string text) override;

private:
    std::array<std::u16string, FieldCount> texts;
};

enum class FaultCondition { Overflow, DivisionByZero, InvalidOperation, InvalidArgument };

// A computation that cannot give a finite double. Nothing in the logic catches it.
class ArithmeticFault : public std::runtime_error
{
public:
    explicit ArithmeticFault(FaultCondition condition);

    FaultCondition Condition() const { return condition; }

private:
    FaultCondition condition;
};

// Every arithmetic step whose result gets written passes through one of these, so no
// infinity or not-a-number can reach a field.
double CheckedResult(double result);
double CheckedDivision(double dividend, double divisor);

// The operand that typed digits go to, worked out from the indicator text each time.
Field ActiveOperand(const CalculatorState &state);

} // namespace kometa
