// Any UTF-16 text: reading it never crashes, and gives a finite value or an overflow.
#include "calculator_state.h"
#include "number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    double value = 0;
    try {
        value = kometa::ParseNumber(text);
    } catch (const kometa::ArithmeticFault &fault) {
        if (fault.Condition() != kometa::FaultCondition::Overflow)
            std::abort();
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    // What was read is written with 15 digits and reads back as nearly the same value,
    // except at the very top of the range, where rounding to 15 digits passes the largest
    // double.
    const std::u16string written = kometa::FormatNumber(value, u'.');
    try {
        const double back = kometa::ParseNumber(written);
        if (std::abs(back - value) > std::abs(value) * 1e-14)
            std::abort();
    } catch (const kometa::ArithmeticFault &) {
        if (std::abs(value) < 1.79769313486231e308)
            std::abort();
    }
    return 0;
}
