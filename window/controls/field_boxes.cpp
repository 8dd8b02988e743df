#include "controls/field_boxes.h"

#include <QLineEdit>

#include <cstddef>

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

FieldTexts FieldBoxes::Snapshot() const
{
    FieldTexts texts;
    for (std::size_t field = 0; field < FieldCount; ++field)
        texts[field] = boxes[field]->text();
    return texts;
}

std::optional<Field> FieldBoxes::Focused() const
{
    for (std::size_t field = 0; field < FieldCount; ++field) {
        if (boxes[field]->hasFocus())
            return static_cast<Field>(field);
    }
    return std::nullopt;
}

} // namespace kometa::window
