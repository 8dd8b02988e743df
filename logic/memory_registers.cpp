#include "memory_registers.h"

#include "number_text.h"

#include <string>

namespace kometa {

namespace {

double Combine(RegisterUpdate update, double operand, double held)
{
    switch (update) {
    case RegisterUpdate::Add:
        return operand + held;
    case RegisterUpdate::SubtractOperand:
        return held - operand;
    case RegisterUpdate::SubtractRegister:
        return operand - held;
    }
    return held;
}

} // namespace

void UpdateRegister(CalculatorState &state, Field memoryRegister, RegisterUpdate update)
{
    const double held = ParseNumber(state.Read(memoryRegister));
    const double operand = ParseNumber(state.Read(Field::Text1));
    const double result = CheckedResult(Combine(update, operand, held));
    state.Write(memoryRegister, FormatNumber(result, state.DecimalSeparator()));
}

void RecallRegister(CalculatorState &state, Field memoryRegister)
{
    state.Write(Field::Text3, state.Read(memoryRegister));
    state.Write(memoryRegister, std::u16string());
}

} // namespace kometa
