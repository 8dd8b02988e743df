#include "field_boxes.h"

#include <QLineEdit>

namespace kometa::window {

FieldBoxes::FieldBoxes(char16_t decimalSeparator,
                       const std::array<QLineEdit *, FieldCount> &boxes)
    : CalculatorState(decimalSeparator), boxes(boxes)
{
}

std::u16string FieldBoxes::Read(Field field) const
{
    return boxes[static_cast<std::size_t>(field)]->text().toStdU16String();
}

void FieldBoxes::Write(Field field, std::u16string text)
{
    boxes[static_cast<std::size_t>(field)]->setText(QString::fromStdU16String(text));
}

} // namespace kometa::window
