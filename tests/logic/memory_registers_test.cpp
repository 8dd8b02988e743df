#include "memory_registers.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace kometa {
namespace {

using testing::ExpectCases;

void M1Plus(CalculatorState &s) { UpdateRegister(s, Field::Text4, RegisterUpdate::Add); }
void M1Minus(CalculatorState &s) { UpdateRegister(s, Field::Text4, RegisterUpdate::SubtractOperand); }
void M2Plus(CalculatorState &s) { UpdateRegister(s, Field::Text5, RegisterUpdate::Add); }
void M2Minus(CalculatorState &s) { UpdateRegister(s, Field::Text5, RegisterUpdate::SubtractRegister); }
void RecallM1(CalculatorState &s) { RecallRegister(s, Field::Text4); }
void RecallM2(CalculatorState &s) { RecallRegister(s, Field::Text5); }

TEST(UpdateRegister, CombinesTheFirstOperandWithTheRegister)
{
    ExpectCases({
        { "M1+ from start", { .text1 = u"5" }, M1Plus, { .text1 = u"5", .text4 = u"5" } },
        { "M1- from start", { .text1 = u"5" }, M1Minus, { .text1 = u"5", .text4 = u"-5" } },
        { "M2+ from start", { .text1 = u"5" }, M2Plus, { .text1 = u"5", .text5 = u"5" } },
        { "M2- from start", { .text1 = u"5" }, M2Minus, { .text1 = u"5", .text5 = u"5" } },
        { "M1- keeps m - x", { .text1 = u"3", .text4 = u"10" }, M1Minus,
          { .text1 = u"3", .text4 = u"7" } },
        { "M2- keeps x - m", { .text1 = u"3", .text5 = u"10" }, M2Minus,
          { .text1 = u"3", .text5 = u"-7" } },
        { "M2- again", { .text1 = u"3", .text5 = u"-7" }, M2Minus,
          { .text1 = u"3", .text5 = u"10" } },
        { "first operand, not the active one",
          { .text1 = u"1", .text2 = u"9", .text6 = u"2" }, M1Plus,
          { .text1 = u"1", .text2 = u"9", .text4 = u"1", .text6 = u"2" } },
        { "empty operand rewrites the blank", {}, M1Plus, { .text4 = u"0" } },
        { "text operand rewrites the register", { .text1 = u"abc", .text4 = u"007" }, M1Plus,
          { .text1 = u"abc", .text4 = u"7" } },
        { "comma stops reading", { .text1 = u"1,5", .text4 = u"" }, M1Plus,
          { .text1 = u"1,5", .text4 = u"1" } },
        { "after a recall", { .text1 = u"4", .text4 = u"" }, M1Plus,
          { .text1 = u"4", .text4 = u"4" } },
        { "overflow leaves all", { .text1 = u"1E308", .text3 = u"r", .text4 = u"1E308" }, M1Plus,
          { .text1 = u"1E308", .text3 = u"r", .text4 = u"1E308" }, FaultCondition::Overflow },
        { "register out of range", { .text1 = u"1", .text5 = u"1E999" }, M2Minus,
          { .text1 = u"1", .text5 = u"1E999" }, FaultCondition::Overflow },
    });
    ExpectCases({
        { "comma written", { .text1 = u"2.5", .text4 = u"" }, M1Plus,
          { .text1 = u"2.5", .text4 = u"2,5" } },
        { "comma read back only up to it", { .text1 = u"2.5", .text4 = u"2,5" }, M1Plus,
          { .text1 = u"2.5", .text4 = u"4,5" } },
    },
                u',');
}

TEST(RecallRegister, MovesTheTextIntoTheResult)
{
    ExpectCases({
        { "initial blank", {}, RecallM1, { .text3 = u" ", .text4 = u"" } },
        { "empty register", { .text3 = u"x", .text4 = u"" }, RecallM1,
          { .text3 = u"", .text4 = u"" } },
        { "comma kept", { .text1 = u"1", .text2 = u"2", .text5 = u"2,5", .text6 = u"2" },
          RecallM2, { .text1 = u"1", .text2 = u"2", .text3 = u"2,5", .text5 = u"", .text6 = u"2" } },
        { "any text", { .text4 = u"abc" }, RecallM1, { .text3 = u"abc", .text4 = u"" } },
    });
}

} // namespace
} // namespace kometa
