// The logic's operations with the fixed argument a control hands each of them, so that a
// row of the control table names its click as one plain function of the fields, together
// with the fields that click computes into.
#pragma once

#include "binary_operations.h"
#include "functions.h"
#include "memory_registers.h"
#include "operand_entry.h"

#include <vector>

namespace kometa::window {

using Operation = void (*)(CalculatorState &state);

// The fields a press computes into, as the fields stand after it.
using Targets = std::vector<Field> (*)(const CalculatorState &state);

template <Field... Fields>
std::vector<Field> Into(const CalculatorState &)
{
    return { Fields... };
}

// The operand the indicator selects; a press that wrote into it has left the indicator as
// it was.
inline std::vector<Field> IntoActiveOperand(const CalculatorState &state)
{
    return { ActiveOperand(state) };
}

// What a click runs, one operation on the fields or the greeting, which touches none, and
// the fields it computes into: where a press changes no field, those are named, so that
// every press is answered.
struct Click
{
    Operation operation = nullptr;
    Targets targets = nullptr;
    bool greets = false;

    constexpr bool Wired() const { return operation != nullptr || greets; }
};

inline constexpr Click Greeting { nullptr, nullptr, true };

// The arithmetic, the functions: each writes the result.
constexpr Click IntoResult(Operation operation)
{
    return { operation, &Into<Field::Text3> };
}

inline constexpr Click Negate { NegateActiveOperand, &IntoActiveOperand };
inline constexpr Click Swap { SwapOperands, &Into<Field::Text1, Field::Text2> };
inline constexpr Click Toggle { ToggleActiveOperand, &Into<Field::Text6> };

template <char16_t Piece>
void AppendPiece(CalculatorState &state)
{
    AppendToActiveOperand(state, Piece);
}

template <char16_t Piece>
inline constexpr Click Append { &AppendPiece<Piece>, &IntoActiveOperand };

template <Field Operand>
void DeleteLast(CalculatorState &state)
{
    DeleteLastCharacter(state, Operand);
}

template <Field Operand>
inline constexpr Click Backspace { &DeleteLast<Operand>, &Into<Operand> };

template <Field Operand>
void CopyResult(CalculatorState &state)
{
    CopyResultToOperand(state, Operand);
}

template <Field Operand>
inline constexpr Click CopyBack { &CopyResult<Operand>, &Into<Operand> };

template <Field Operand, std::int16_t Indicator>
void SelectAs(CalculatorState &state)
{
    SelectOperand(state, Operand, Indicator);
}

template <Field Operand, std::int16_t Indicator>
inline constexpr Click Select { &SelectAs<Operand, Indicator>, &Into<Operand> };

template <Field Register, RegisterUpdate How>
void UpdateBy(CalculatorState &state)
{
    UpdateRegister(state, Register, How);
}

template <Field Register, RegisterUpdate How>
inline constexpr Click Update { &UpdateBy<Register, How>, &Into<Register> };

template <Field Register>
void RecallInto(CalculatorState &state)
{
    RecallRegister(state, Register);
}

template <Field Register>
inline constexpr Click Recall { &RecallInto<Register>, &Into<Field::Text3> };

} // namespace kometa::window
