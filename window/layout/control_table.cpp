#include "layout/control_table.h"

#include "binary_operations.h"
#include "functions.h"
#include "layout/picture_files.h"
#include "memory_registers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace kometa::window {

namespace {

constexpr ControlKind Box = ControlKind::TextBox;
constexpr ControlKind Key = ControlKind::Button;

constexpr FontSpec Arial975 { Face::Arial, 9.75, true };
constexpr FontSpec Arial12 { Face::Arial, 12, true };
constexpr FontSpec Keypad { Face::MsSansSerif, 8.25, true };
constexpr FontSpec Memory { Face::System, 9.75, true };
constexpr FontSpec Register { Face::Terminal, 9, true };
// The picture buttons show no caption; any face already in use spares loading another.
constexpr FontSpec NoCaption = Keypad;

constexpr auto Table = std::to_array<ControlSpec>({
    { "Text1", Box, Field::Text1, Select<Field::Text1, 1>,
      "", 120, 240, 2175, 360, Arial975, "Первый операнд", {}, Pointer::Arrow,
      "Нажатие очищает первый операнд и делает его активным" },
    { "Text2", Box, Field::Text2, Select<Field::Text2, 2>,
      "", 120, 1320, 2175, 375, Arial975, "Второй операнд", {}, Pointer::Arrow,
      "Нажатие очищает второй операнд и делает его активным" },
    { "Text3", Box, Field::Text3, {},
      "", 480, 4530, 2295, 525, Arial12, "Результат" },
    { "Command1", Key, {}, Greeting,
      "=", 120, 4560, 255, 480, { Face::Arial, 12, true, true }, "Приветствие",
      {}, Pointer::WhatsThis },
    { "Complus", Key, {}, IntoResult(Addition),
      "+", 120, 2040, 375, 375, Arial12, "Сложить" },
    { "Comminus", Key, {}, IntoResult(Subtraction),
      "-", 600, 2040, 375, 375, { Face::CourierNew, 14.25, true }, "Вычесть" },
    { "Comdel", Key, {}, IntoResult(Division),
      ":", 1560, 2040, 375, 375, { Face::CourierNew, 12.75, true }, "Разделить" },
    { "Comumn", Key, {}, IntoResult(Multiplication),
      "x", 1080, 2040, 375, 375, Arial12, "Умножить" },
    { "Comsin", Key, {}, IntoResult(Sine),
      "sin", 840, 720, 375, 375, { Face::Arial, 9, true }, "Синус первого операнда" },
    { "Comcos", Key, {}, IntoResult(Cosine),
      "cos", 1200, 720, 375, 375, { Face::Georgia, 9 }, "Косинус первого операнда" },
    { "Comtg", Key, {}, IntoResult(Tangent),
      "tg", 1560, 720, 355, 375, { Face::MsSansSerif, 9.75 }, "Тангенс первого операнда" },
    { "Comctg", Key, {}, IntoResult(Cotangent),
      "ctg", 1920, 720, 360, 375, { Face::MsSansSerif, 9.75 }, "Котангенс первого операнда" },
    { "Command2", Key, {}, IntoResult(SquareRoot),
      "", 480, 720, 375, 375, NoCaption,
      "Квадратный корень из первого операнда", "sqrt" },
    { "Command4", Key, {}, Swap,
      "", 2400, 2040, 375, 375, NoCaption, "Поменять операнды местами",
      "arrows" },
    { "Command3", Key, {}, CopyBack<Field::Text1>,
      "1", 1920, 4080, 375, 375, Keypad, "Результат в первый операнд" },
    { "Command7", Key, {}, CopyBack<Field::Text2>,
      "2", 2400, 4080, 375, 375, Keypad, "Результат во второй операнд" },
    { "Command8", Key, {}, IntoResult(Power),
      "", 120, 720, 375, 375, NoCaption,
      "Первый операнд в степени второго", "power" },
    { "C1", Key, {}, Append<u'1'>,
      "1", 240, 3600, 495, 495, Keypad, "Один" },
    { "C3", Key, {}, Append<u'3'>,
      "3", 1200, 3600, 495, 495, Keypad, "Три" },
    { "C6", Key, {}, Append<u'6'>,
      "6", 1200, 3120, 495, 495, Keypad, "Шесть" },
    { "C5", Key, {}, Append<u'5'>,
      "5", 720, 3120, 495, 495, Keypad, "Пять" },
    { "C4", Key, {}, Append<u'4'>,
      "4", 240, 3120, 495, 495, Keypad, "Четыре" },
    { "C2", Key, {}, Append<u'2'>,
      "2", 720, 3600, 495, 495, Keypad, "Два" },
    { "C9", Key, {}, Append<u'9'>,
      "9", 1200, 2640, 495, 495, Keypad, "Девять" },
    { "C8", Key, {}, Append<u'8'>,
      "8", 720, 2640, 495, 495, Keypad, "Восемь" },
    { "C7", Key, {}, Append<u'7'>,
      "7", 240, 2640, 495, 495, Keypad, "Семь" },
    { "Command9", Key, {}, Update<Field::Text4, RegisterUpdate::Add>,
      "M1+", 1800, 2640, 495, 375, Memory,
      "Прибавить первый операнд к памяти 1" },
    { "Command10", Key, {}, Update<Field::Text4, RegisterUpdate::SubtractOperand>,
      "M1-", 1800, 3000, 495, 375, Memory,
      "Вычесть первый операнд из памяти 1" },
    { "Text4", Box, Field::Text4, Recall<Field::Text4>,
      " ", 1800, 3400, 975, 270, Register, "Память 1", {}, Pointer::Arrow,
      "Нажатие или Enter переносит память 1 в результат и очищает её", EnterKey::Clicks },
    { "Command11", Key, {}, Append<u'.'>,
      "", 840, 4200, 375, 255, NoCaption, "Десятичная точка", "point" },
    { "Command12", Key, {}, Negate,
      "+/-", 1320, 4200, 375, 255, Arial12,
      "Сменить знак активного операнда" },
    { "Command13", Key, {}, Backspace<Field::Text1>,
      "<", 2400, 240, 375, 360, Arial975,
      "Стереть последний символ первого операнда", {}, Pointer::Forbidden },
    { "Command14", Key, {}, Backspace<Field::Text2>,
      "<", 2400, 1320, 375, 360, Arial975,
      "Стереть последний символ второго операнда", {}, Pointer::Forbidden },
    { "Command16", Key, {}, Update<Field::Text5, RegisterUpdate::SubtractRegister>,
      "M2-", 2280, 3000, 495, 375, Memory,
      "Записать в память 2 первый операнд минус память 2" },
    { "Command17", Key, {}, Update<Field::Text5, RegisterUpdate::Add>,
      "M2+", 2280, 2640, 495, 375, Memory,
      "Прибавить первый операнд к памяти 2" },
    { "Text5", Box, Field::Text5, Recall<Field::Text5>,
      " ", 1800, 3720, 975, 255, Register, "Память 2", {}, Pointer::Arrow,
      "Нажатие или Enter переносит память 2 в результат и очищает её", EnterKey::Clicks },
    { "Command18", Key, {}, Append<u'0'>,
      "0", 240, 4080, 495, 375, Keypad, "Ноль" },
    { "Text6", Box, Field::Text6, Toggle,
      "1", 2520, 720, 255, 405, { Face::MsSansSerif, 13.5, true },
      "Индикатор активного операнда", {}, Pointer::Arrow,
      "Нажатие или Enter переключает активный операнд между 1 и 2", EnterKey::Clicks },
});

// Each field is shown by exactly one text box.
constexpr bool EachFieldHasOneBox()
{
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const auto shows = [field](const ControlSpec &row) {
            return row.kind == ControlKind::TextBox && row.field == static_cast<Field>(field);
        };
        if (std::ranges::count_if(Table, shows) != 1)
            return false;
    }
    return std::ranges::all_of(Table, [](const ControlSpec &row) {
        return row.kind == ControlKind::TextBox ? row.field.has_value() : !row.field.has_value();
    });
}
static_assert(EachFieldHasOneBox(), "every field needs exactly one text box, and only a box shows one");

// A picture a button names was drawn, at 1x and at 2x.
constexpr bool Drawn(std::string_view picture)
{
    const auto named = [picture](std::string_view file) { return file == picture; };
    const auto doubled = [picture](std::string_view file) {
        return file.size() == picture.size() + 3 && file.starts_with(picture)
                && file.ends_with("@2x");
    };
    return std::ranges::any_of(ButtonPictures, named)
            && std::ranges::any_of(ButtonPictures, doubled);
}
static_assert(std::ranges::all_of(Table, [](const ControlSpec &row) {
                  return row.picture.empty() || Drawn(row.picture);
              }),
              "a picture the layout names is missing from window/pictures");

// Every operation names what it computes into, so that each press can be answered.
static_assert(std::ranges::all_of(Table, [](const ControlSpec &row) {
                  return !row.click.operation || row.click.targets;
              }),
              "an operation without the fields it computes into");

} // namespace

const std::span<const ControlSpec> Controls = Table;

} // namespace kometa::window
