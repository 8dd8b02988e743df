#include "calculator_state.h"
#include "number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace kometa {
namespace {

using testing::Utf8;

struct ParseRow
{
    std::u16string text;
    double value;
};

TEST(ParseNumber, ReadsTheLeadingNumberOfAnyText)
{
    const ParseRow rows[] = {
        { u"", 0 },
        { u" ", 0 },
        { u"abc", 0 },
        { u"на ноль неделится", 0 },
        { u"-", 0 },
        { u".", 0 },
        { u"-.", 0 },
        { u"+", 0 },
        { u"1,5", 1 },
        { u"1.5", 1.5 },
        { u" 1 2 ", 12 },
        { u"\t1\n2\r3\u00A04", 1234 },
        { u"1.5E+3", 1500 },
        { u"1.5e+20", 1.5e20 },
        { u"2.5e-3", 0.0025 },
        { u"1 E 2", 100 },
        { u"-.5", -0.5 },
        { u"+7", 7 },
        { u"5.", 5 },
        { u"24 and 57", 24 },
        { u"12abc", 12 },
        { u"1.2.3", 1.2 },
        { u"1e", 1 },
        { u"1e+", 1 },
        { u"1E+x5", 1 },
        { u"1D2", 1 },
        { u"inf", 0 },
        { u"nan", 0 },
        { u"0x10", 0 },
        { u"007", 7 },
        { u"0e999999", 0 },
        { u"4.9e-324", 4.9e-324 },
        { u"1.7976931348623157e308", DBL_MAX },
        { u"-1.7976931348623157e308", -DBL_MAX },
        // Too small for a double is zero, not a fault.
        { u"1E-999", 0 },
        { u"-1E-999", 0 },
        // Zeros before the first significant digit make it smaller, never larger.
        { u"0." + std::u16string(400, u'0') + u"1", 0 },
        { u"0." + std::u16string(400, u'0') + u"1E10", 0 },
        { u"100000e-330", 0 },
        { u"1e-99999999999999999999", 0 },
        // Integers after an ampersand.
        { u"&H10", 16 },
        { u"&hff", 255 },
        { u"& H 1 F", 31 },
        { u"&H7FFF", 32767 },
        { u"&H8000", -32768 },
        { u"&HFFFF", -1 },
        { u"&H0000FFFF", -1 },
        { u"&H10000", 65536 },
        { u"&H7FFFFFFF", 2147483647 },
        { u"&H80000000", -2147483648.0 },
        { u"&HFFFFFFFF", -1 },
        { u"&HFFg", 255 },
        { u"&HA", 10 },
        { u"&ha", 10 },
        { u"&HABCDE", 703710 },
        { u"&habcde", 703710 },
        // The characters next to each range of digits end the number.
        { u"&H1/", 1 },
        { u"&H1:", 1 },
        { u"&H1@", 1 },
        { u"&H1`", 1 },
        { u"&O17", 15 },
        { u"&o777", 511 },
        { u"&O8", 0 },
        { u"&O18", 1 },
        { u"&O79", 7 },
        { u"&O177777", -1 },
        { u"&H", 0 },
        { u"&Hxyz", 0 },
        { u"&12", 0 },
        { u"&", 0 },
        { u"-&H10", 0 },
    };
    for (const ParseRow &row : rows) {
        SCOPED_TRACE("text '" + Utf8(row.text) + "'");
        EXPECT_EQ(ParseNumber(row.text), row.value);
    }
    // A view ends where it says, even when its buffer goes on.
    EXPECT_EQ(ParseNumber(std::u16string_view(u"15").substr(0, 1)), 1);
    EXPECT_EQ(ParseNumber(std::u16string_view(u"2E5").substr(0, 2)), 2);
    EXPECT_EQ(ParseNumber(std::u16string_view(u"&H1F").substr(0, 3)), 1);
}

TEST(ParseNumber, FaultsOnNumbersBeyondTheRangeOfADouble)
{
    const std::u16string texts[] = {
        u"1E999",
        u"-1E999",
        u"1.7976931348623159e308",
        u"0.0000001e330",
        u"1e99999999999999999999",
        u" 1 E 9 9 9",
        std::u16string(400, u'9'),
        u"&H100000000",
        u"&O40000000000",
        u"&H" + std::u16string(40, u'F'),
    };
    for (const std::u16string &text : texts) {
        SCOPED_TRACE("text '" + Utf8(text) + "'");
        try {
            ParseNumber(text);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticFault &fault) {
            EXPECT_EQ(fault.Condition(), FaultCondition::Overflow);
        }
    }
}

TEST(ParseNumber, RoundsLongDigitStringsCorrectly)
{
    // 2^53 + 1 lies exactly between two doubles; one far-away digit decides the rounding.
    const std::u16string halfway = u"9007199254740993";
    EXPECT_EQ(ParseNumber(halfway), 9007199254740992.0);
    EXPECT_EQ(ParseNumber(halfway + u"." + std::u16string(5000, u'0') + u"1"),
              9007199254740994.0);
    EXPECT_EQ(ParseNumber(u"1" + std::u16string(400, u'0') + u"e-400"), 1.0);
    EXPECT_EQ(ParseNumber(u"0." + std::u16string(400, u'0') + u"5e401"), 5.0);
    // Blanks between the digits do not change the value.
    std::u16string spaced;
    for (char16_t digit : halfway + u"5")
        spaced += std::u16string { u' ', digit };
    EXPECT_EQ(ParseNumber(spaced), ParseNumber(halfway + u"5"));
}

struct FormatRow
{
    double value;
    std::u16string withPoint;
    std::u16string withComma;
};

TEST(FormatNumber, WritesFifteenDigitsWithTheGivenSeparator)
{
    const FormatRow rows[] = {
        { 2.5, u"2.5", u"2,5" },
        { -4, u"-4", u"-4" },
        { 3, u"3", u"3" },
        { 0, u"0", u"0" },
        { -0.0, u"0", u"0" },
        { 1.0 / 3, u"0.333333333333333", u"0,333333333333333" },
        { 0.1 + 0.2, u"0.3", u"0,3" },
        { 3.125, u"3.125", u"3,125" },
        { 123456789.123456789, u"123456789.123457", u"123456789,123457" },
        { 123456789012345, u"123456789012345", u"123456789012345" },
        { 999999999999999.4, u"999999999999999", u"999999999999999" },
        { 1e15, u"1E+15", u"1E+15" },
        { 1e20, u"1E+20", u"1E+20" },
        { -1.5e100, u"-1.5E+100", u"-1,5E+100" },
        { 0.0001, u"0.0001", u"0,0001" },
        { 1e-5, u"1E-05", u"1E-05" },
        { 1.5e-7, u"1.5E-07", u"1,5E-07" },
        { DBL_MAX, u"1.79769313486232E+308", u"1,79769313486232E+308" },
        { 4.9e-324, u"4.94065645841247E-324", u"4,94065645841247E-324" },
    };
    for (const FormatRow &row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.value));
        EXPECT_EQ(Utf8(FormatNumber(row.value, u'.')), Utf8(row.withPoint));
        EXPECT_EQ(Utf8(FormatNumber(row.value, u',')), Utf8(row.withComma));
    }
}

TEST(FormatNumber, RefusesValuesThatAreNotFinite)
{
    const std::pair<double, FaultCondition> rows[] = {
        { INFINITY, FaultCondition::Overflow },
        { -INFINITY, FaultCondition::Overflow },
        { NAN, FaultCondition::InvalidOperation },
    };
    for (const auto &[value, condition] : rows) {
        try {
            FormatNumber(value, u'.');
            ADD_FAILURE() << "no fault for " << value;
        } catch (const ArithmeticFault &fault) {
            EXPECT_EQ(fault.Condition(), condition);
        }
    }
}

TEST(FormatNumber, ReadsBackAsTheSameValueUnderAPoint)
{
    for (double value : { 1.0 / 7, -2.5e-300, 6.02214076e23, 12.75, 1e-5 }) {
        const double back = ParseNumber(FormatNumber(value, u'.'));
        EXPECT_NEAR(back, value, std::abs(value) * 1e-14);
    }
}

TEST(FormatSmallInteger, WritesDigitsWithASign)
{
    EXPECT_EQ(FormatSmallInteger(1), u"1");
    EXPECT_EQ(FormatSmallInteger(2), u"2");
    EXPECT_EQ(FormatSmallInteger(0), u"0");
    EXPECT_EQ(FormatSmallInteger(-32768), u"-32768");
}

TEST(ActiveOperand, IsTheFirstOnlyWhenTheIndicatorReadsAsOne)
{
    const std::pair<std::u16string, Field> rows[] = {
        { u"1", Field::Text1 },   { u" 1", Field::Text1 }, { u"1.0", Field::Text1 },
        { u"1,5", Field::Text1 }, { u"&H1", Field::Text1 }, { u"2", Field::Text2 },
        { u"", Field::Text2 },    { u"abc", Field::Text2 }, { u"1.5", Field::Text2 },
        { u"-1", Field::Text2 },
    };
    for (const auto &[indicator, operand] : rows) {
        SCOPED_TRACE("indicator '" + Utf8(indicator) + "'");
        InMemoryState state;
        state.Write(Field::Text6, indicator);
        EXPECT_EQ(ActiveOperand(state), operand);
    }
}

TEST(InMemoryState, StartsFromTheInitialTexts)
{
    const InMemoryState state(u',');
    EXPECT_EQ(testing::FieldsOf(state), testing::Fields {});
    EXPECT_EQ(state.DecimalSeparator(), u',');
}

} // namespace
} // namespace kometa
