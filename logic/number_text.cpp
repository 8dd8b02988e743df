#include "number_text.h"

#include "calculator_state.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <system_error>

namespace kometa {

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u00A0';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Walks a text as though its blanks had been taken out, without copying it.
class BlanklessReader
{
public:
    explicit BlanklessReader(std::u16string_view text) : text(text) { }

    // 0 at the end; a NUL in the text ends every number just as well.
    char16_t Peek()
    {
        while (position < text.size() && IsBlank(text[position]))
            ++position;
        return position < text.size() ? text[position] : u'\0';
    }

    void Advance() { ++position; }

private:
    std::u16string_view text;
    std::size_t position = 0;
};

int DigitValue(char16_t c, int base)
{
    int value = -1;
    if (IsDigit(c))
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// "&H…" / "&O…": a 16-bit two's-complement integer when the digits fit in 16 bits, a
// 32-bit one when they fit in 32, and an overflow beyond that.
double ReadRadixInteger(BlanklessReader &reader, int base)
{
    std::uint64_t value = 0;
    for (int digit; (digit = DigitValue(reader.Peek(), base)) >= 0; reader.Advance()) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFF'FFFFu)
            throw ArithmeticFault(FaultCondition::Overflow);
    }
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Large enough that no double lies beyond it, small enough never to overflow an int64.
constexpr std::int64_t ExponentLimit = 1'000'000'000;

double ReadDecimal(BlanklessReader &reader)
{
    bool negative = false;
    if (reader.Peek() == u'+' || reader.Peek() == u'-') {
        negative = reader.Peek() == u'-';
        reader.Advance();
    }

    // The mantissa is copied without its blanks so that from_chars can round it correctly
    // however many digits it has; where its first significant digit stands decides, if the
    // value is out of range, between overflow and underflow.
    std::string number;
    std::int64_t integerDigits = 0;
    std::int64_t digitCount = 0;
    std::int64_t firstSignificant = -1;
    auto takeDigits = [&] {
        for (char16_t c; IsDigit(c = reader.Peek()); reader.Advance()) {
            if (firstSignificant < 0 && c != u'0')
                firstSignificant = digitCount;
            number.push_back(static_cast<char>(c));
            ++digitCount;
        }
    };
    takeDigits();
    integerDigits = digitCount;
    if (reader.Peek() == u'.') {
        reader.Advance();
        number.push_back('.');
        takeDigits();
    }
    if (digitCount == 0)
        return 0.0;

    std::int64_t exponent = 0;
    if (reader.Peek() == u'E' || reader.Peek() == u'e') {
        reader.Advance();
        bool negativeExponent = false;
        if (reader.Peek() == u'+' || reader.Peek() == u'-') {
            negativeExponent = reader.Peek() == u'-';
            reader.Advance();
        }
        for (char16_t c; IsDigit(c = reader.Peek()); reader.Advance())
            exponent = std::min(exponent * 10 + (c - u'0'), ExponentLimit);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (firstSignificant < 0)
        return negative ? -0.0 : 0.0;

    char exponentText[24] = { 'e' };
    const auto written = std::to_chars(exponentText + 1, std::end(exponentText), exponent);
    number.append(exponentText, written.ptr);

    double value = 0.0;
    const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const std::int64_t decimalExponent = exponent + integerDigits - 1 - firstSignificant;
        if (decimalExponent > 0)
            throw ArithmeticFault(FaultCondition::Overflow);
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double ParseNumber(std::u16string_view text)
{
    BlanklessReader reader(text);
    if (reader.Peek() != u'&')
        return ReadDecimal(reader);
    reader.Advance();
    switch (reader.Peek()) {
    case u'H':
    case u'h':
        reader.Advance();
        return ReadRadixInteger(reader, 16);
    case u'O':
    case u'o':
        reader.Advance();
        return ReadRadixInteger(reader, 8);
    default:
        return 0.0;
    }
}

std::u16string FormatNumber(double value, char16_t decimalSeparator)
{
    // A last guard: an infinite or undefined value must never be shown as a result.
    if (std::isnan(value))
        throw ArithmeticFault(FaultCondition::InvalidOperation);
    if (std::isinf(value))
        throw ArithmeticFault(FaultCondition::Overflow);
    // Negative zero is written as a plain zero.
    if (value == 0.0)
        return u"0";

    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                       std::chars_format::general, 15);
    std::u16string text;
    text.reserve(static_cast<std::size_t>(written.ptr - buffer));
    for (const char *c = buffer; c != written.ptr; ++c) {
        if (*c == 'e')
            text.push_back(u'E');
        else if (*c == '.')
            text.push_back(decimalSeparator);
        else
            text.push_back(static_cast<char16_t>(*c));
    }
    return text;
}

std::u16string FormatSmallInteger(std::int16_t value)
{
    char buffer[8];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::u16string(buffer, written.ptr);
}

} // namespace kometa
