// The calculator's fields are the texts of the window's six text boxes, read and written
// directly so that typed text counts and every write shows at once.
#pragma once

#include "calculator_state.h"

#include <QString>

#include <array>

class QLineEdit;

namespace kometa::window {

class FieldBoxes : public CalculatorState
{
public:
    using Texts = std::array<QString, FieldCount>;

    FieldBoxes(char16_t decimalSeparator, const std::array<QLineEdit *, FieldCount> &boxes);

    std::u16string Read(Field field) const override;
    void Write(Field field, std::u16string text) override;

    // Copies share the boxes' text until a box changes.
    Texts Snapshot() const;

    // Each field that differs from before, in field order, as its spoken name and its text:
    // "Результат: 42. Память 1: пусто". Empty when there is nothing to tell. Where the screen
    // reader reads new text in the focused box by itself, that box is named only when it
    // was emptied, which it does not read.
    QString ChangesSince(const Texts &before, bool focusedTextIsRead) const;

private:
    std::array<QLineEdit *, FieldCount> boxes;
};

} // namespace kometa::window
