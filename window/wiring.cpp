#include "wiring.h"

#include "binary_operations.h"
#include "form1.h"
#include "functions.h"
#include "memory_registers.h"
#include "operand_entry.h"

namespace kometa::window {

namespace {

// Every logic operation runs through Form1::Perform, which reports its faults.
template <void (*Operation)(CalculatorState &)>
void Run(Form1 &form)
{
    form.Perform(Operation);
}

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

void Negate(CalculatorState &state)
{
    NegateActiveOperand(state);
}

void Swap(CalculatorState &state)
{
    SwapOperands(state);
}

void Toggle(CalculatorState &state)
{
    ToggleActiveOperand(state);
}

void Greet(Form1 &form)
{
    form.ShowGreeting();
}

} // namespace

const std::array<Wire, 37> Wiring = { {
    { "C1", Run<Append<u'1'>> },
    { "C2", Run<Append<u'2'>> },
    { "C3", Run<Append<u'3'>> },
    { "C4", Run<Append<u'4'>> },
    { "C5", Run<Append<u'5'>> },
    { "C6", Run<Append<u'6'>> },
    { "C7", Run<Append<u'7'>> },
    { "C8", Run<Append<u'8'>> },
    { "C9", Run<Append<u'9'>> },
    { "Command18", Run<Append<u'0'>> },
    { "Command11", Run<Append<u'.'>> },
    { "Command12", Run<Negate> },
    { "Command13", Run<Backspace<Field::Text1>> },
    { "Command14", Run<Backspace<Field::Text2>> },
    { "Command3", Run<CopyBack<Field::Text1>> },
    { "Command7", Run<CopyBack<Field::Text2>> },
    { "Command4", Run<Swap> },
    { "Text1", Run<Select<Field::Text1, 1>> },
    { "Text2", Run<Select<Field::Text2, 2>> },
    { "Text6", Run<Toggle> },
    { "Complus", Run<Addition> },
    { "Comminus", Run<Subtraction> },
    { "Comumn", Run<Multiplication> },
    { "Comdel", Run<Division> },
    { "Comsin", Run<Sine> },
    { "Comcos", Run<Cosine> },
    { "Comtg", Run<Tangent> },
    { "Comctg", Run<Cotangent> },
    { "Command2", Run<SquareRoot> },
    { "Command8", Run<Power> },
    { "Command9", Run<Update<Field::Text4, RegisterUpdate::Add>> },
    { "Command10", Run<Update<Field::Text4, RegisterUpdate::SubtractOperand>> },
    { "Command17", Run<Update<Field::Text5, RegisterUpdate::Add>> },
    { "Command16", Run<Update<Field::Text5, RegisterUpdate::SubtractRegister>> },
    { "Text4", Run<Recall<Field::Text4>> },
    { "Text5", Run<Recall<Field::Text5>> },
    { "Command1", Greet },
} };

} // namespace kometa::window
