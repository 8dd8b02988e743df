#include "operand_entry.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace kometa {
namespace {

using testing::Case;
using testing::ExpectCases;
using testing::Fields;

void Append(CalculatorState &state, std::u16string_view pieces)
{
    for (char16_t piece : pieces)
        AppendToActiveOperand(state, piece);
}

Case Appending(std::string name, Fields before, std::u16string pieces, Fields after)
{
    return { std::move(name), std::move(before),
             [pieces](CalculatorState &state) { Append(state, pieces); }, std::move(after) };
}

TEST(AppendToActiveOperand, ExtendsTheOperandTheIndicatorSelects)
{
    ExpectCases({
        Appending("digits and point into the first", {}, u"12.5", { .text1 = u"12.5" }),
        Appending("into the second", { .text1 = u"7", .text6 = u"2" }, u"12.5",
                  { .text1 = u"7", .text2 = u"12.5", .text6 = u"2" }),
        Appending("indicator ' 1'", { .text6 = u" 1" }, u"3", { .text1 = u"3", .text6 = u" 1" }),
        Appending("indicator '1.0'", { .text6 = u"1.0" }, u"3",
                  { .text1 = u"3", .text6 = u"1.0" }),
        Appending("indicator empty", { .text6 = u"" }, u"3", { .text2 = u"3", .text6 = u"" }),
        Appending("indicator 'abc'", { .text6 = u"abc" }, u"3",
                  { .text2 = u"3", .text6 = u"abc" }),
        Appending("no check of the text", { .text1 = u"1" }, u"..", { .text1 = u"1.." }),
        Appending("leading zeros kept", {}, u"00", { .text1 = u"00" }),
        Appending("behind a message", { .text1 = u"на ноль неделится" }, u"5",
                  { .text1 = u"на ноль неделится5" }),
        { "indicator out of range", { .text1 = u"4", .text6 = u"1E999" },
          [](CalculatorState &s) { AppendToActiveOperand(s, u'1'); },
          { .text1 = u"4", .text6 = u"1E999" }, FaultCondition::Overflow },
    });
}

TEST(NegateActiveOperand, RewritesTheOperandAsItsNegatedValue)
{
    const auto negate = [](CalculatorState &state) { NegateActiveOperand(state); };
    ExpectCases({
        { "trailing zero dropped", { .text1 = u"12.50" }, negate, { .text1 = u"-12.5" } },
        { "back to positive", { .text1 = u"-3" }, negate, { .text1 = u"3" } },
        { "leading zeros", { .text1 = u"007" }, negate, { .text1 = u"-7" } },
        { "tail lost", { .text1 = u"12abc" }, negate, { .text1 = u"-12" } },
        { "comma stops reading", { .text1 = u"1,5" }, negate, { .text1 = u"-1" } },
        { "empty gives plain zero", {}, negate, { .text1 = u"0" } },
        { "second operand", { .text1 = u"5", .text2 = u"8", .text6 = u"2" }, negate,
          { .text1 = u"5", .text2 = u"-8", .text6 = u"2" } },
        { "operand out of range", { .text1 = u"1E999" }, negate, { .text1 = u"1E999" },
          FaultCondition::Overflow },
    });
    ExpectCases({
        { "comma written", { .text1 = u"2.5" }, negate, { .text1 = u"-2,5" } },
        { "then read up to the comma", { .text1 = u"-2,5" }, negate, { .text1 = u"2" } },
    },
                u',');
}

TEST(DeleteLastCharacter, ShortensTheFieldOfItsButton)
{
    const auto first = [](CalculatorState &state) { DeleteLastCharacter(state, Field::Text1); };
    const auto second = [](CalculatorState &state) { DeleteLastCharacter(state, Field::Text2); };
    ExpectCases({
        { "empty stays empty", {}, first, {} },
        { "one character", { .text1 = u"7" }, first, {} },
        { "point kept", { .text1 = u"12.5" }, first, { .text1 = u"12." } },
        { "exponent form is only text", { .text1 = u"1E+20" }, first, { .text1 = u"1E+2" } },
        { "Cyrillic", { .text1 = u"нет" }, first, { .text1 = u"не" } },
        { "first even when second active", { .text1 = u"12", .text2 = u"34", .text6 = u"2" },
          first, { .text1 = u"1", .text2 = u"34", .text6 = u"2" } },
        { "second even when first active", { .text1 = u"12", .text2 = u"34" }, second,
          { .text1 = u"12", .text2 = u"3" } },
        // Half a surrogate pair would be a broken character.
        { "whole surrogate pair", { .text1 = u"1\U0001F600" }, first, { .text1 = u"1" } },
        { "first pair of the range", { .text1 = u"1\U00010000" }, first, { .text1 = u"1" } },
        { "last pair of the range", { .text1 = u"1\U0010FFFF" }, first, { .text1 = u"1" } },
        { "only a pair", { .text1 = u"\U0001F600" }, first, {} },
        { "digit after a lone high surrogate", { .text1 = u"1\xD83D" u"7" }, first,
          { .text1 = u"1\xD83D" } },
        { "private use after a high surrogate", { .text1 = u"1\xD83D\xE000" }, first,
          { .text1 = u"1\xD83D" } },
        { "lone high surrogate", { .text1 = u"1\xD83D" }, first, { .text1 = u"1" } },
        { "lone low surrogate", { .text1 = u"1\xDE00" }, first, { .text1 = u"1" } },
    });
}

TEST(SelectOperand, EmptiesTheFieldAndMakesItActive)
{
    ExpectCases({
        { "first while second active", { .text1 = u"123", .text6 = u"2" },
          [](CalculatorState &s) { SelectOperand(s, Field::Text1, 1); }, {} },
        { "second", { .text1 = u"1", .text2 = u"2" },
          [](CalculatorState &s) { SelectOperand(s, Field::Text2, 2); },
          { .text1 = u"1", .text6 = u"2" } },
        { "old indicator is not read", { .text1 = u"9", .text6 = u"1E999" },
          [](CalculatorState &s) { SelectOperand(s, Field::Text1, 1); }, {} },
    });
}

TEST(ToggleActiveOperand, AlternatesAndResetsOtherTexts)
{
    const auto toggle = [](CalculatorState &state) { ToggleActiveOperand(state); };
    ExpectCases({
        { "one to two", {}, toggle, { .text6 = u"2" } },
        { "two to one", { .text6 = u"2" }, toggle, {} },
        { "empty to one", { .text6 = u"" }, toggle, {} },
        { "abc to one", { .text6 = u"abc" }, toggle, {} },
        { "' 1' to two", { .text6 = u" 1" }, toggle, { .text6 = u"2" } },
        { "out of range", { .text6 = u"1E999" }, toggle, { .text6 = u"1E999" },
          FaultCondition::Overflow },
    });
}

TEST(CopyResultToOperand, CopiesTheTextAsItStands)
{
    ExpectCases({
        { "message into first", { .text3 = u"на ноль неделится", .text6 = u"2" },
          [](CalculatorState &s) { CopyResultToOperand(s, Field::Text1); },
          { .text1 = u"на ноль неделится", .text3 = u"на ноль неделится", .text6 = u"2" } },
        { "comma into second", { .text2 = u"9", .text3 = u"2,5" },
          [](CalculatorState &s) { CopyResultToOperand(s, Field::Text2); },
          { .text2 = u"2,5", .text3 = u"2,5" } },
    });
}

TEST(SwapOperands, ExchangesValuesInFormattedForm)
{
    const auto swap = [](CalculatorState &state) { SwapOperands(state); };
    ExpectCases({
        { "empty becomes zero", { .text2 = u"5" }, swap, { .text1 = u"5", .text2 = u"0" } },
        { "comma stops reading", { .text1 = u"1,5", .text2 = u"2" }, swap,
          { .text1 = u"2", .text2 = u"1" } },
        { "leading zeros", { .text1 = u"007", .text2 = u"abc" }, swap,
          { .text1 = u"0", .text2 = u"7" } },
        { "indicator untouched", { .text1 = u"1", .text2 = u"2", .text6 = u"2" }, swap,
          { .text1 = u"2", .text2 = u"1", .text6 = u"2" } },
        { "nothing written on a fault", { .text1 = u"1", .text2 = u"-1E999" }, swap,
          { .text1 = u"1", .text2 = u"-1E999" }, FaultCondition::Overflow },
    });
    ExpectCases({ { "comma written", { .text1 = u"2.5", .text2 = u"1" }, swap,
                    { .text1 = u"1", .text2 = u"2,5" } } },
                u',');
}

TEST(OperandEntry, TheFaultOfAnIndicatorEndsWithAClickOnAnOperand)
{
    InMemoryState state;
    state.Write(Field::Text6, u"1E999");
    EXPECT_THROW(AppendToActiveOperand(state, u'1'), ArithmeticFault);
    SelectOperand(state, Field::Text1, 1);
    AppendToActiveOperand(state, u'1');
    EXPECT_EQ(testing::FieldsOf(state), Fields { .text1 = u"1" });
}

} // namespace
} // namespace kometa
