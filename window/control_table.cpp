#include "control_table.h"

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

} // namespace

const std::array<ControlSpec, 38> Controls = { {
    { "Text1", Box, "", 120, 240, 2175, 360, Arial975, "Первый операнд", {}, Pointer::Arrow,
      "Нажатие очищает первый операнд и делает его активным" },
    { "Text2", Box, "", 120, 1320, 2175, 375, Arial975, "Второй операнд", {}, Pointer::Arrow,
      "Нажатие очищает второй операнд и делает его активным" },
    { "Text3", Box, "", 480, 4530, 2295, 525, Arial12, "Результат" },
    { "Command1", Key, "=", 120, 4560, 255, 480, { Face::Arial, 12, true, true }, "Приветствие",
      {}, Pointer::WhatsThis },
    { "Complus", Key, "+", 120, 2040, 375, 375, Arial12, "Сложить" },
    { "Comminus", Key, "-", 600, 2040, 375, 375, { Face::CourierNew, 14.25, true }, "Вычесть" },
    { "Comdel", Key, ":", 1560, 2040, 375, 375, { Face::CourierNew, 12.75, true }, "Разделить" },
    { "Comumn", Key, "x", 1080, 2040, 375, 375, Arial12, "Умножить" },
    { "Comsin", Key, "sin", 840, 720, 375, 375, { Face::Arial, 9, true }, "Синус" },
    { "Comcos", Key, "cos", 1200, 720, 375, 375, { Face::Georgia, 9 }, "Косинус" },
    { "Comtg", Key, "tg", 1560, 720, 355, 375, { Face::MsSansSerif, 9.75 }, "Тангенс" },
    { "Comctg", Key, "ctg", 1920, 720, 360, 375, { Face::MsSansSerif, 9.75 }, "Котангенс" },
    { "Command2", Key, "", 480, 720, 375, 375, NoCaption, "Квадратный корень", "sqrt" },
    { "Command4", Key, "", 2400, 2040, 375, 375, NoCaption, "Поменять операнды местами",
      "arrows" },
    { "Command3", Key, "1", 1920, 4080, 375, 375, Keypad, "Результат в первый операнд" },
    { "Command7", Key, "2", 2400, 4080, 375, 375, Keypad, "Результат во второй операнд" },
    { "Command8", Key, "", 120, 720, 375, 375, NoCaption, "Степень", "power" },
    { "C1", Key, "1", 240, 3600, 495, 495, Keypad, "Один" },
    { "C3", Key, "3", 1200, 3600, 495, 495, Keypad, "Три" },
    { "C6", Key, "6", 1200, 3120, 495, 495, Keypad, "Шесть" },
    { "C5", Key, "5", 720, 3120, 495, 495, Keypad, "Пять" },
    { "C4", Key, "4", 240, 3120, 495, 495, Keypad, "Четыре" },
    { "C2", Key, "2", 720, 3600, 495, 495, Keypad, "Два" },
    { "C9", Key, "9", 1200, 2640, 495, 495, Keypad, "Девять" },
    { "C8", Key, "8", 720, 2640, 495, 495, Keypad, "Восемь" },
    { "C7", Key, "7", 240, 2640, 495, 495, Keypad, "Семь" },
    { "Command9", Key, "M1+", 1800, 2640, 495, 375, Memory, "Прибавить к памяти 1" },
    { "Command10", Key, "M1-", 1800, 3000, 495, 375, Memory, "Вычесть из памяти 1" },
    { "Text4", Box, " ", 1800, 3400, 975, 270, Register, "Память 1", {}, Pointer::Arrow,
      "Нажатие или Enter переносит память 1 в результат и очищает её", EnterKey::Clicks },
    { "Command11", Key, "", 840, 4200, 375, 255, NoCaption, "Десятичная точка", "point" },
    { "Command12", Key, "+/-", 1320, 4200, 375, 255, Arial12, "Сменить знак" },
    { "Command13", Key, "<", 2400, 240, 375, 360, Arial975,
      "Стереть последний символ первого операнда", {}, Pointer::Forbidden },
    { "Command14", Key, "<", 2400, 1320, 375, 360, Arial975,
      "Стереть последний символ второго операнда", {}, Pointer::Forbidden },
    { "Command16", Key, "M2-", 2280, 3000, 495, 375, Memory, "Память 2 минус первый операнд" },
    { "Command17", Key, "M2+", 2280, 2640, 495, 375, Memory, "Прибавить к памяти 2" },
    { "Text5", Box, " ", 1800, 3720, 975, 255, Register, "Память 2", {}, Pointer::Arrow,
      "Нажатие или Enter переносит память 2 в результат и очищает её", EnterKey::Clicks },
    { "Command18", Key, "0", 240, 4080, 495, 375, Keypad, "Ноль" },
    { "Text6", Box, "1", 2520, 720, 255, 405, { Face::MsSansSerif, 13.5, true },
      "Активный операнд", {}, Pointer::Arrow,
      "Нажатие или Enter переключает активный операнд между 1 и 2", EnterKey::Clicks },
} };

} // namespace kometa::window
