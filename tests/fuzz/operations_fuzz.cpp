// Any six field texts and any sequence of clicks: no crash, and after every click the
// fields obey what the calculator promises whether the click finished or faulted.
#include "binary_operations.h"
#include "functions.h"
#include "memory_registers.h"
#include "operand_entry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace kometa;
using Operation = void (*)(CalculatorState &);

enum class Kind { Entry, Indicator, Binary, Function, Power, Memory, Recall };

struct Click
{
    const char *name;
    Operation operation;
    Kind kind;
};

const Click Clicks[] = {
    { "digit", [](CalculatorState &s) { AppendToActiveOperand(s, u'7'); }, Kind::Entry },
    { "point", [](CalculatorState &s) { AppendToActiveOperand(s, u'.'); }, Kind::Entry },
    { "negate", NegateActiveOperand, Kind::Entry },
    { "backspace 1", [](CalculatorState &s) { DeleteLastCharacter(s, Field::Text1); }, Kind::Entry },
    { "backspace 2", [](CalculatorState &s) { DeleteLastCharacter(s, Field::Text2); }, Kind::Entry },
    { "copy to 1", [](CalculatorState &s) { CopyResultToOperand(s, Field::Text1); }, Kind::Entry },
    { "copy to 2", [](CalculatorState &s) { CopyResultToOperand(s, Field::Text2); }, Kind::Entry },
    { "swap", SwapOperands, Kind::Entry },
    { "select 1", [](CalculatorState &s) { SelectOperand(s, Field::Text1, 1); }, Kind::Indicator },
    { "select 2", [](CalculatorState &s) { SelectOperand(s, Field::Text2, 2); }, Kind::Indicator },
    { "toggle", ToggleActiveOperand, Kind::Indicator },
    { "add", Addition, Kind::Binary },
    { "subtract", Subtraction, Kind::Binary },
    { "multiply", Multiplication, Kind::Binary },
    { "divide", Division, Kind::Binary },
    { "sine", Sine, Kind::Function },
    { "cosine", Cosine, Kind::Function },
    { "tangent", Tangent, Kind::Function },
    { "cotangent", Cotangent, Kind::Function },
    { "root", SquareRoot, Kind::Function },
    { "power", Power, Kind::Power },
    { "M1+", [](CalculatorState &s) { UpdateRegister(s, Field::Text4, RegisterUpdate::Add); }, Kind::Memory },
    { "M1-", [](CalculatorState &s) { UpdateRegister(s, Field::Text4, RegisterUpdate::SubtractOperand); }, Kind::Memory },
    { "M2+", [](CalculatorState &s) { UpdateRegister(s, Field::Text5, RegisterUpdate::Add); }, Kind::Memory },
    { "M2-", [](CalculatorState &s) { UpdateRegister(s, Field::Text5, RegisterUpdate::SubtractRegister); }, Kind::Memory },
    { "recall 1", [](CalculatorState &s) { RecallRegister(s, Field::Text4); }, Kind::Recall },
    { "recall 2", [](CalculatorState &s) { RecallRegister(s, Field::Text5); }, Kind::Recall },
};

// Characters that matter to number reading, plus Cyrillic, surrogates and controls;
// a byte outside this alphabet becomes a code unit of its own.
constexpr char16_t Alphabet[] = u"0123456789.,-+eE&HhOo \t\n\u00A0абвё\xD83D\xDE00\x0001";

std::u16string Text(FuzzedDataProvider &input)
{
    std::u16string text;
    for (unsigned char byte : input.ConsumeRandomLengthString(64)) {
        if (byte < std::size(Alphabet) - 1)
            text.push_back(Alphabet[byte]);
        else if (byte == 0xFF)
            text.append(u"E999"); // reaches the overflow paths in few bytes
        else if (byte == 0xFE)
            text.append(u"E-999");
        else
            text.push_back(static_cast<char16_t>(byte * 257));
    }
    return text;
}

std::array<std::u16string, FieldCount> Snapshot(const CalculatorState &state)
{
    std::array<std::u16string, FieldCount> texts;
    for (std::size_t i = 0; i < FieldCount; ++i)
        texts[i] = state.Read(static_cast<Field>(i));
    return texts;
}

std::u16string Normalized(std::u16string text)
{
    if (const auto comma = text.rfind(u','); comma != std::u16string::npos)
        text[comma] = u'.';
    return text;
}

bool LooksNonFinite(const std::u16string &text)
{
    std::string lower;
    for (char16_t c : text)
        lower.push_back(c < 128 ? static_cast<char>(std::tolower(c)) : '?');
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

void Check(bool condition, const char *what, const Click &click)
{
    if (!condition) {
        std::fprintf(stderr, "after '%s': %s\n", click.name, what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    InMemoryState state(input.ConsumeBool() ? u',' : u'.');
    for (std::size_t i = 0; i < FieldCount; ++i)
        state.Write(static_cast<Field>(i), Text(input));

    // A few dozen clicks from one start reach every state; longer runs only slow the search.
    for (int clicks = 0; clicks < 16 && input.remaining_bytes() > 0; ++clicks) {
        const Click &click = Clicks[input.ConsumeIntegralInRange<std::size_t>(0, std::size(Clicks) - 1)];
        const auto before = Snapshot(state);
        bool faulted = false;
        try {
            click.operation(state);
        } catch (const ArithmeticFault &) {
            faulted = true;
        }
        const auto after = Snapshot(state);
        const auto changed = [&](Field f) {
            return before[static_cast<std::size_t>(f)] != after[static_cast<std::size_t>(f)];
        };
        const bool memory = click.kind == Kind::Memory || click.kind == Kind::Recall;
        Check(memory || (!changed(Field::Text4) && !changed(Field::Text5)),
              "a register changed", click);
        Check(click.kind == Kind::Indicator || !changed(Field::Text6), "the indicator changed",
              click);
        if (click.kind == Kind::Indicator && !faulted) {
            Check(after[5] == u"1" || after[5] == u"2", "the indicator is not 1 or 2", click);
        }
        const bool computes = click.kind == Kind::Binary || click.kind == Kind::Function
                || click.kind == Kind::Power;
        if (computes && changed(Field::Text3))
            Check(!LooksNonFinite(after[2]), "an infinite or undefined result", click);
        if (click.kind == Kind::Memory && !faulted) {
            Check(!LooksNonFinite(after[3]) && !LooksNonFinite(after[4]),
                  "an infinite or undefined register", click);
        }
        if (!faulted)
            continue;
        // A fault keeps what was written before it and nothing more: the arithmetic
        // buttons have rewritten their operands' last comma; the power may have refused.
        if (click.kind == Kind::Binary) {
            Check(after[0] == Normalized(before[0]) && after[1] == Normalized(before[1]),
                  "operands not normalized before the fault", click);
        } else {
            Check(!changed(Field::Text1) && !changed(Field::Text2), "an operand changed",
                  click);
        }
        Check(!changed(Field::Text3) || (click.kind == Kind::Power && after[2] == u"nain"),
              "the result changed on a fault", click);
        Check(!changed(Field::Text4) && !changed(Field::Text5), "a register changed on a fault",
              click);
    }
    return 0;
}
