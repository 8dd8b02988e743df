#include "functions.h"
#include "number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kometa {
namespace {

using testing::Case;
using testing::ExpectCases;
using testing::Fields;

const std::u16string TangentPole(TangentPoleMessage);
const std::u16string CotangentPole(CotangentPoleMessage);
const std::u16string NegativeRoot(NegativeRootMessage);

// A function reads Text1 (and Text2 for the power) and writes only Text3.
Case Computing(std::string name, std::u16string base, void (*function)(CalculatorState &),
               std::u16string result, std::optional<FaultCondition> fault = std::nullopt,
               std::u16string exponent = u"")
{
    const Fields before { .text1 = base, .text2 = exponent, .text3 = u"old" };
    Fields after = before;
    after.text3 = std::move(result);
    return { std::move(name), before, function, after, fault };
}

Case Raising(std::string name, std::u16string base, std::u16string exponent,
             std::u16string result, std::optional<FaultCondition> fault = std::nullopt)
{
    return Computing(std::move(name), std::move(base), Power, std::move(result), fault,
                     std::move(exponent));
}

std::u16string Formatted(double value, char16_t separator = u'.')
{
    return FormatNumber(value, separator);
}

TEST(Functions, ComputeOrRefuseFromTheFirstOperand)
{
    ExpectCases({
        Computing("sine of empty", u"", Sine, u"0"),
        Computing("cosine of empty", u"", Cosine, u"1"),
        Computing("tangent of empty", u"", Tangent, u"0"),
        Computing("root of empty", u"", SquareRoot, u"0"),
        Computing("cotangent of empty", u"", Cotangent, CotangentPole),
        Computing("sine in radians", u"1", Sine, Formatted(std::sin(1.0))),
        Computing("cosine of message", u"на ноль неделится", Cosine, u"1"),
        Computing("sine reads up to the comma", u"0,5", Sine, u"0"),
        Computing("tangent pole 90", u"90", Tangent, TangentPole),
        Computing("tangent pole 270", u"270", Tangent, TangentPole),
        Computing("tangent blanks dropped", u" 9 0", Tangent, TangentPole),
        Computing("tangent up to comma", u"90,7", Tangent, TangentPole),
        Computing("tangent of -90", u"-90", Tangent, Formatted(std::tan(-90.0))),
        Computing("tangent of 450", u"450", Tangent, Formatted(std::tan(450.0))),
        Computing("tangent of 90.5", u"90.5", Tangent, Formatted(std::tan(90.5))),
        Computing("cotangent pole 0", u"0", Cotangent, CotangentPole),
        Computing("cotangent pole 180", u"180", Cotangent, CotangentPole),
        Computing("cotangent of abc", u"abc", Cotangent, CotangentPole),
        Computing("cotangent of 0,5", u"0,5", Cotangent, CotangentPole),
        Computing("cotangent of -0", u"-0", Cotangent, CotangentPole),
        Computing("cotangent of -180", u"-180", Cotangent,
                  Formatted(std::cos(-180.0) / std::sin(-180.0))),
        Computing("cotangent of 360", u"360", Cotangent,
                  Formatted(std::cos(360.0) / std::sin(360.0))),
        Computing("root of -4", u"-4", SquareRoot, NegativeRoot),
        Computing("root of 4", u"4", SquareRoot, u"2"),
        Computing("root of 0", u"0", SquareRoot, u"0"),
        Computing("root of -0", u"-0", SquareRoot, u"0"),
        Computing("root of tiny negative", u"-1E-300", SquareRoot, NegativeRoot),
        Computing("sine out of range", u"1E999", Sine, u"old", FaultCondition::Overflow),
        Computing("cotangent out of range", u"-1E999", Cotangent, u"old",
                  FaultCondition::Overflow),
        // The smallest positive double has a sine of the same size, and the cotangent of it
        // is beyond the range of a double.
        Computing("cotangent overflows", u"4.9E-324", Cotangent, u"old",
                  FaultCondition::Overflow),
    });
}

TEST(Functions, WriteWithTheLocaleSeparator)
{
    ExpectCases({ Computing("root of 2,25 reads 2", u"2,25", SquareRoot,
                            Formatted(std::sqrt(2.0), u',')),
                  Computing("root of 6.25", u"6.25", SquareRoot, u"2,5") },
                u',');
}

TEST(Power, RefusesLongOperandsByTheirLength)
{
    // Lengths of the base (rows) and exponent (columns) from 0 to 4 characters.
    const char *const refused[] = { ".....", "...RR", "...RR", "...RR", "..RRR" };
    for (std::size_t baseLength = 0; baseLength < 5; ++baseLength) {
        for (std::size_t exponentLength = 0; exponentLength < 5; ++exponentLength) {
            SCOPED_TRACE(std::to_string(baseLength) + " by " + std::to_string(exponentLength));
            InMemoryState state;
            state.Write(Field::Text1, std::u16string(baseLength, u'2'));
            state.Write(Field::Text2, std::u16string(exponentLength, u'0'));
            Power(state);
            EXPECT_EQ(state.Read(Field::Text3) == u"nain",
                      refused[baseLength][exponentLength] == 'R');
        }
    }
}

TEST(Power, RaisesTheFirstOperandToTheSecond)
{
    ExpectCases({
        Raising("two cubed", u"2", u"3", u"8"),
        Raising("negative exponent", u"2", u"-1", u"0.5"),
        Raising("negative base, whole exponent", u"-8", u"3", u"-512"),
        Raising("long base, short exponent", u"12.5", u"5", Formatted(std::pow(12.5, 5))),
        Raising("long base", u"12.5", u"10", u"nain"),
        Raising("long exponent", u"10", u"100", u"nain"),
        Raising("blanks count", u"  12", u"10", u"nain"),
        Raising("empty base", u"", u"100", u"0"),
        Raising("empty exponent", u"5", u"", u"1"),
        Raising("base one over a refusal", u"1", u"100", u"1"),
        Raising("base one", u"1", u"-5", u"1"),
        Raising("base reading as one", u"1,25", u"2", u"1"),
        Raising("root of zero", u"0", u".5", u"0"),
        Raising("root of negative zero", u"-0", u".5", u"0"),
        Raising("zero to the power zero", u"0", u"0", u"1"),
        Raising("root of a fraction", u".25", u".5", u"0.5"),
        Raising("root of negative", u"-8", u".5", u"old", FaultCondition::InvalidArgument),
        Raising("too large", u"1E300", u"2", u"old", FaultCondition::Overflow),
        Raising("zero to a negative power", u"0", u"-1", u"old",
                FaultCondition::DivisionByZero),
        Raising("exponent out of range", u"", u"1E999", u"old", FaultCondition::Overflow),
        // The length refusal is written before the base is parsed at the end.
        Raising("refused, then base out of range", u"1E999", u"10", u"nain",
                FaultCondition::Overflow),
    });
}

TEST(Power, WritesTheResultAndThenTheOneForABaseOfOne)
{
    testing::RecordingState state;
    state.Write(Field::Text1, u"1");
    state.Write(Field::Text2, u"100");
    state.writes.clear();
    Power(state);
    ASSERT_EQ(state.writes.size(), 2u);
    EXPECT_EQ(state.writes[0].second, u"nain");
    EXPECT_EQ(state.writes[1].second, u"1");
}

TEST(Functions, MessagesHaveTheirExactLengths)
{
    EXPECT_EQ(TangentPoleMessage.size(), 25u);
    EXPECT_EQ(CotangentPoleMessage.size(), 25u);
    EXPECT_EQ(NegativeRootMessage.size(), 19u);
    EXPECT_EQ(PowerTooLongMessage.size(), 4u);
}

} // namespace
} // namespace kometa
