#include "test_support.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace kometa::testing {

std::string Utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void PrintTo(const Fields &fields, std::ostream *out)
{
    *out << "{'" << Utf8(fields.text1) << "', '" << Utf8(fields.text2) << "', '"
         << Utf8(fields.text3) << "', '" << Utf8(fields.text4) << "', '" << Utf8(fields.text5)
         << "', '" << Utf8(fields.text6) << "'}";
}

InMemoryState StateWith(const Fields &fields, char16_t separator)
{
    InMemoryState state(separator);
    state.Write(Field::Text1, fields.text1);
    state.Write(Field::Text2, fields.text2);
    state.Write(Field::Text3, fields.text3);
    state.Write(Field::Text4, fields.text4);
    state.Write(Field::Text5, fields.text5);
    state.Write(Field::Text6, fields.text6);
    return state;
}

Fields FieldsOf(const CalculatorState &state)
{
    return { state.Read(Field::Text1), state.Read(Field::Text2), state.Read(Field::Text3),
             state.Read(Field::Text4), state.Read(Field::Text5), state.Read(Field::Text6) };
}

void ExpectCases(const std::vector<Case> &cases, char16_t separator)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name + (separator == u',' ? " (comma)" : " (point)"));
        InMemoryState state = StateWith(c.before, separator);
        std::optional<FaultCondition> fault;
        try {
            c.click(state);
        } catch (const ArithmeticFault &e) {
            fault = e.Condition();
        }
        EXPECT_EQ(fault, c.fault);
        EXPECT_EQ(FieldsOf(state), c.after);
    }
}

void RecordingState::Write(Field field, std::u16string text)
{
    writes.emplace_back(field, text);
    InMemoryState::Write(field, std::move(text));
}

} // namespace kometa::testing
