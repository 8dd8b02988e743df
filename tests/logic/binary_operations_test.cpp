#include "binary_operations.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kometa {
namespace {

using testing::Case;
using testing::ExpectCases;
using testing::RecordingState;

Case Clicking(std::string name, testing::Fields before, void (*operation)(CalculatorState &),
              testing::Fields after, std::optional<FaultCondition> fault = std::nullopt)
{
    return { std::move(name), std::move(before), operation, std::move(after), fault };
}

TEST(NormalizeDecimalComma, TurnsOnlyTheLastCommaIntoAPoint)
{
    const std::pair<std::u16string, std::u16string> rows[] = {
        { u"1,5", u"1.5" }, { u"1,2,3", u"1,2.3" }, { u"12,", u"12." }, { u",", u"." },
        { u"12", u"12" },   { u"", u"" },           { u"а,б", u"а.б" }, { u"1.5", u"1.5" },
    };
    for (const auto &[before, after] : rows) {
        SCOPED_TRACE(testing::Utf8(before));
        RecordingState state;
        state.Write(Field::Text2, before);
        state.writes.clear();
        NormalizeDecimalComma(state, Field::Text2);
        // Written back even when nothing changed.
        ASSERT_EQ(state.writes.size(), 1u);
        EXPECT_EQ(state.writes[0].first, Field::Text2);
        EXPECT_EQ(state.Read(Field::Text2), after);
    }
}

TEST(BinaryOperations, ComputeFromTheNormalizedOperands)
{
    const auto cases = [](std::u16string threePointFive, std::u16string twelvePointSevenFive,
                          std::u16string half) {
        return std::vector<Case> {
            Clicking("comma in first", { .text1 = u"1,5", .text2 = u"2" }, Addition,
                     { .text1 = u"1.5", .text2 = u"2", .text3 = threePointFive }),
            Clicking("only last comma", { .text1 = u"1,2,3", .text2 = u"1" }, Addition,
                     { .text1 = u"1,2.3", .text2 = u"1", .text3 = u"2" }),
            Clicking("leading comma", { .text1 = u",5", .text2 = u"3" }, Addition,
                     { .text1 = u".5", .text2 = u"3", .text3 = threePointFive }),
            Clicking("trailing comma", { .text1 = u"5,", .text2 = u"1" }, Addition,
                     { .text1 = u"5.", .text2 = u"1", .text3 = u"6" }),
            Clicking("comma alone", { .text1 = u",", .text2 = u"1" }, Addition,
                     { .text1 = u".", .text2 = u"1", .text3 = u"1" }),
            Clicking("both empty", {}, Addition, { .text3 = u"0" }),
            Clicking("empty first", { .text2 = u"0,5" }, Addition,
                     { .text2 = u"0.5", .text3 = half }),
            Clicking("product", { .text1 = u"1", .text2 = u"12,75" }, Multiplication,
                     { .text1 = u"1", .text2 = u"12.75", .text3 = twelvePointSevenFive }),
            Clicking("difference", { .text1 = u"25.5", .text2 = u"1,5" }, Subtraction,
                     { .text1 = u"25.5", .text2 = u"1.5", .text3 = u"24" }),
            Clicking("never swapped", { .text1 = u"2", .text2 = u"5" }, Subtraction,
                     { .text1 = u"2", .text2 = u"5", .text3 = u"-3" }),
            Clicking("quotient", { .text1 = u"7", .text2 = u"2" }, Division,
                     { .text1 = u"7", .text2 = u"2", .text3 = threePointFive }),
            Clicking("divisor one", { .text1 = u"7", .text2 = u"1" }, Division,
                     { .text1 = u"7", .text2 = u"1", .text3 = u"7" }),
            Clicking("zero dividend", { .text1 = u"0", .text2 = u"5" }, Division,
                     { .text1 = u"0", .text2 = u"5", .text3 = u"0" }),
            Clicking("typed text", { .text1 = u"12 abc", .text2 = u"x" }, Multiplication,
                     { .text1 = u"12 abc", .text2 = u"x", .text3 = u"0" }),
            Clicking("old result overwritten", { .text1 = u"1", .text2 = u"1",
                                                 .text3 = u"на ноль неделится" },
                     Addition, { .text1 = u"1", .text2 = u"1", .text3 = u"2" }),
            Clicking("registers and indicator untouched",
                     { .text1 = u"1", .text2 = u"2", .text4 = u"4", .text5 = u"", .text6 = u"2" },
                     Addition,
                     { .text1 = u"1", .text2 = u"2", .text3 = u"3", .text4 = u"4", .text5 = u"",
                       .text6 = u"2" }),
        };
    };
    ExpectCases(cases(u"3.5", u"12.75", u"0.5"), u'.');
    ExpectCases(cases(u"3,5", u"12,75", u"0,5"), u',');
}

TEST(Division, RefusesADivisorThatReadsAsZero)
{
    std::vector<Case> cases;
    const std::pair<std::u16string, std::u16string> divisors[] = {
        { u"", u"" },       { u"0", u"0" },     { u"0,0", u"0.0" },
        { u"-0", u"-0" },   { u"abc", u"abc" }, { u"на ноль неделится", u"на ноль неделится" },
        { u"1E-999", u"1E-999" },
    };
    for (const auto &[divisor, rewritten] : divisors) {
        cases.push_back(Clicking("divisor '" + testing::Utf8(divisor) + "'",
                                 { .text1 = u"5", .text2 = divisor }, Division,
                                 { .text1 = u"5", .text2 = rewritten,
                                   .text3 = u"на ноль неделится" }));
    }
    // The dividend is not read on the refusal path, so it cannot fault there.
    cases.push_back(Clicking("dividend out of range", { .text1 = u"1E999", .text2 = u"0" },
                             Division,
                             { .text1 = u"1E999", .text2 = u"0", .text3 = u"на ноль неделится" }));
    ExpectCases(cases);
    EXPECT_EQ(DivisionByZeroMessage.size(), 17u);
}

TEST(BinaryOperations, FaultAfterRewritingTheOperands)
{
    const testing::Fields huge { .text1 = u"1E308", .text2 = u"1E308", .text3 = u"old" };
    ExpectCases({
        Clicking("product overflows", huge, Multiplication, huge, FaultCondition::Overflow),
        Clicking("sum overflows", huge, Addition, huge, FaultCondition::Overflow),
        Clicking("difference overflows", { .text1 = u"-1E308", .text2 = u"1E308" }, Subtraction,
                 { .text1 = u"-1E308", .text2 = u"1E308" }, FaultCondition::Overflow),
        Clicking("quotient overflows", { .text1 = u"1E308", .text2 = u"1E-308" }, Division,
                 { .text1 = u"1E308", .text2 = u"1E-308" }, FaultCondition::Overflow),
        Clicking("operands rewritten before the parse faults",
                 { .text1 = u"1E999,5", .text2 = u"2,5", .text3 = u"old" }, Division,
                 { .text1 = u"1E999.5", .text2 = u"2.5", .text3 = u"old" },
                 FaultCondition::Overflow),
        Clicking("second operand out of range",
                 { .text1 = u"1,5", .text2 = u"-1E999", .text3 = u"old" }, Addition,
                 { .text1 = u"1.5", .text2 = u"-1E999", .text3 = u"old" },
                 FaultCondition::Overflow),
        Clicking("tiny product is zero", { .text1 = u"1E-300", .text2 = u"1E-300" },
                 Multiplication, { .text1 = u"1E-300", .text2 = u"1E-300", .text3 = u"0" }),
    });
}

TEST(BinaryOperations, WriteFirstThenSecondThenResult)
{
    RecordingState state(u',');
    state.Write(Field::Text1, u"1,5");
    state.Write(Field::Text2, u"1");
    state.writes.clear();
    Addition(state);
    ASSERT_EQ(state.writes.size(), 3u);
    EXPECT_EQ(state.writes[0], std::pair(Field::Text1, std::u16string(u"1.5")));
    EXPECT_EQ(state.writes[1], std::pair(Field::Text2, std::u16string(u"1")));
    EXPECT_EQ(state.writes[2], std::pair(Field::Text3, std::u16string(u"2,5")));
}

} // namespace
} // namespace kometa
