#include "field_boxes.h"

#include <QLineEdit>

namespace kometa::window {

using namespace Qt::StringLiterals;

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

FieldBoxes::Texts FieldBoxes::Snapshot() const
{
    Texts texts;
    for (std::size_t field = 0; field < FieldCount; ++field)
        texts[field] = boxes[field]->text();
    return texts;
}

QString FieldBoxes::ChangesSince(const Texts &before, bool focusedTextIsRead) const
{
    QStringList changes;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        const QString text = boxes[field]->text();
        if (text == before[field])
            continue;
        // A register holds one blank when empty; a blank is not heard at all.
        const bool blank = text.trimmed().isEmpty();
        if (focusedTextIsRead && boxes[field]->hasFocus() && !blank)
            continue;
        changes.append(boxes[field]->accessibleName() + u": "_s + (blank ? u"пусто"_s : text));
    }
    return changes.join(u". "_s);
}

} // namespace kometa::window
