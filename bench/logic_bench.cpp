// Every operation on typical fields and on fields of a million characters, and number
// reading on ten million: the calculator must stay responsive whatever is typed or pasted.
#include "binary_operations.h"
#include "calculator_state.h"
#include "functions.h"
#include "memory_registers.h"
#include "number_text.h"
#include "operand_entry.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace {

using namespace kometa;

constexpr std::size_t Million = 1'000'000;

void BM_ParseDigits(benchmark::State &bench)
{
    const std::u16string text(static_cast<std::size_t>(bench.range(0)), u'7');
    for (auto _ : bench) {
        try {
            benchmark::DoNotOptimize(ParseNumber(text));
        } catch (const ArithmeticFault &) {
            // A long enough digit string is an overflow; reading it is what is measured.
        }
    }
}
BENCHMARK(BM_ParseDigits)->Arg(16)->Arg(10 * Million)->Unit(benchmark::kMillisecond);

void BM_ParseBlanks(benchmark::State &bench)
{
    const std::u16string text(static_cast<std::size_t>(bench.range(0)), u' ');
    for (auto _ : bench)
        benchmark::DoNotOptimize(ParseNumber(text));
}
BENCHMARK(BM_ParseBlanks)->Arg(10 * Million)->Unit(benchmark::kMillisecond);

void BM_ParseFraction(benchmark::State &bench)
{
    const std::u16string text = u"0." + std::u16string(10 * Million, u'3');
    for (auto _ : bench)
        benchmark::DoNotOptimize(ParseNumber(text));
}
BENCHMARK(BM_ParseFraction)->Unit(benchmark::kMillisecond);

void BM_FormatNumber(benchmark::State &bench)
{
    double value = 1.0 / 3;
    for (auto _ : bench)
        benchmark::DoNotOptimize(FormatNumber(value, u','));
}
BENCHMARK(BM_FormatNumber);

using Operation = void (*)(CalculatorState &);

// Each click starts from the same two operand texts, so the field copies are included
// just as the window would pay for them.
void RunOperation(benchmark::State &bench, Operation operation, std::u16string first,
                  std::u16string second)
{
    InMemoryState state(u',');
    for (auto _ : bench) {
        state.Write(Field::Text1, first);
        state.Write(Field::Text2, second);
        state.Write(Field::Text4, first);
        try {
            operation(state);
        } catch (const ArithmeticFault &) {
        }
        benchmark::ClobberMemory();
    }
}

std::u16string Long(char16_t fill, std::u16string_view tail = u"")
{
    std::u16string text(Million, fill);
    text += tail;
    return text;
}

template <Operation operation>
void BM_Typical(benchmark::State &bench)
{
    RunOperation(bench, operation, u"12,5", u"4");
}

template <Operation operation>
void BM_MillionCharacters(benchmark::State &bench)
{
    // A number written with a million blanks and a comma at the end: the worst case for
    // reading, comma rewriting and copying alike.
    RunOperation(bench, operation, Long(u' ', u"12,5"), Long(u' ', u"4,"));
}

void Append(CalculatorState &s) { AppendToActiveOperand(s, u'5'); }
void Negate(CalculatorState &s) { NegateActiveOperand(s); }
void Backspace(CalculatorState &s) { DeleteLastCharacter(s, Field::Text1); }
void Select(CalculatorState &s) { SelectOperand(s, Field::Text1, 1); }
void Toggle(CalculatorState &s) { ToggleActiveOperand(s); }
void CopyBack(CalculatorState &s) { CopyResultToOperand(s, Field::Text1); }
void Swap(CalculatorState &s) { SwapOperands(s); }
void MemoryPlus(CalculatorState &s) { UpdateRegister(s, Field::Text4, RegisterUpdate::Add); }
void Recall(CalculatorState &s) { RecallRegister(s, Field::Text4); }
void Normalize(CalculatorState &s) { NormalizeDecimalComma(s, Field::Text1); }

#define KOMETA_BENCH_OPERATION(op)                                                             \
    BENCHMARK_TEMPLATE(BM_Typical, op);                                                        \
    BENCHMARK_TEMPLATE(BM_MillionCharacters, op)->Unit(benchmark::kMillisecond)

KOMETA_BENCH_OPERATION(Append);
KOMETA_BENCH_OPERATION(Negate);
KOMETA_BENCH_OPERATION(Backspace);
KOMETA_BENCH_OPERATION(Normalize);
KOMETA_BENCH_OPERATION(Select);
KOMETA_BENCH_OPERATION(Toggle);
KOMETA_BENCH_OPERATION(CopyBack);
KOMETA_BENCH_OPERATION(Swap);
KOMETA_BENCH_OPERATION(Addition);
KOMETA_BENCH_OPERATION(Subtraction);
KOMETA_BENCH_OPERATION(Multiplication);
KOMETA_BENCH_OPERATION(Division);
KOMETA_BENCH_OPERATION(Sine);
KOMETA_BENCH_OPERATION(Cosine);
KOMETA_BENCH_OPERATION(Tangent);
KOMETA_BENCH_OPERATION(Cotangent);
KOMETA_BENCH_OPERATION(SquareRoot);
KOMETA_BENCH_OPERATION(Power);
KOMETA_BENCH_OPERATION(MemoryPlus);
KOMETA_BENCH_OPERATION(Recall);

} // namespace
