// Table-driven checks of operations: six field texts before, one click, six after.
#pragma once

#include "calculator_state.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kometa::testing {

// Defaults are the texts the window opens with.
struct Fields
{
    std::u16string text1;
    std::u16string text2;
    std::u16string text3;
    std::u16string text4 = u" ";
    std::u16string text5 = u" ";
    std::u16string text6 = u"1";

    bool operator==(const Fields &) const = default;
};

std::string Utf8(std::u16string_view text);
void PrintTo(const Fields &fields, std::ostream *out);

InMemoryState StateWith(const Fields &fields, char16_t separator);
Fields FieldsOf(const CalculatorState &state);

using Operation = std::function<void(CalculatorState &)>;

struct Case
{
    std::string name;
    Fields before;
    Operation click;
    Fields after;
    std::optional<FaultCondition> fault = std::nullopt;
};

// Runs every case under the given separator and compares all six fields afterwards, so a
// stray write fails as surely as a wrong result.
void ExpectCases(const std::vector<Case> &cases, char16_t separator = u'.');

// Remembers every write in order, for the operations whose writes matter one by one.
class RecordingState : public InMemoryState
{
public:
    using InMemoryState::InMemoryState;

    void Write(Field field, std::u16string text) override;

    std::vector<std::pair<Field, std::u16string>> writes;
};

} // namespace kometa::testing
