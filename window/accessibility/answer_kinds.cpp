#include "accessibility/answer_kinds.h"

#include "binary_operations.h"
#include "functions.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kometa::window {

AnswerKind KindOfAnswer(std::span<const Field> named, const std::u16string &result, bool failed)
{
    if (failed)
        return AnswerKind::Fault;
    const auto names = [&](Field field) {
        return std::find(named.begin(), named.end(), field) != named.end();
    };
    if (names(Field::Text3)) {
        static constexpr std::array<std::u16string_view, 5> refusals {
            DivisionByZeroMessage, TangentPoleMessage, CotangentPoleMessage, NegativeRootMessage,
            PowerTooLongMessage,
        };
        const bool refused = std::find(refusals.begin(), refusals.end(), result) != refusals.end();
        return refused ? AnswerKind::Refusal : AnswerKind::Result;
    }
    if (names(Field::Text4) || names(Field::Text5))
        return AnswerKind::Memory;
    return AnswerKind::Operand;
}

} // namespace kometa::window
