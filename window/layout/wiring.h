// The logic's operations with the fixed argument a control hands each of them, so that a
// row of the control table names its click as one plain function of the fields.
#pragma once

#include "binary_operations.h"
#include "functions.h"
#include "memory_registers.h"
#include "operand_entry.h"

namespace kometa::window {

using Operation = void (*)(CalculatorState &state);

// What a click runs: one operation on the fields, or the greeting, which touches none.
struct Click
{
    Operation operation = nullptr;
    bool greets = false;

    constexpr bool Wired() const { return operation != nullptr || greets; }
};

inline constexpr Click Greeting { nullptr, true };

template <char16_t Piece>
void Append(CalculatorState &state)
{
    AppendToActiveOperand(state, Piece);
}

template <Field Operand>
void Backspace(CalculatorState &state)
{
    DeleteLastCharacter(state, Operand);
}

template <Field Operand>
void CopyBack(CalculatorState &state)
{
    CopyResultToOperand(state, Operand);
}

template <Field Operand, std::int16_t Indicator>
void Select(CalculatorState &state)
{
    SelectOperand(state, Operand, Indicator);
}

template <Field Register, RegisterUpdate How>
void Update(CalculatorState &state)
{
    UpdateRegister(state, Register, How);
}

template <Field Register>
void Recall(CalculatorState &state)
{
    RecallRegister(state, Register);
}

} // namespace kometa::window
