// The calculator's fields are the texts of the window's six text boxes, read and written
// directly so that typed text counts and every write shows at once.
#pragma once

#include "calculator_state.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

class QLineEdit;

namespace kometa::window {

// The six fields' texts at one moment, in field order.
using FieldTexts = std::array<QString, FieldCount>;

class FieldBoxes : public CalculatorState
{
public:

    FieldBoxes(char16_t decimalSeparator, const std::array<QLineEdit *, FieldCount> &boxes);

    std::u16string Read(Field field) const override;
    void Write(Field field, std::u16string text) override;

    // Copies share the boxes' text until a box changes.
    FieldTexts Snapshot() const;

    // The field whose box has the keyboard focus, if any.
    std::optional<Field> Focused() const;

private:
    std::array<QLineEdit *, FieldCount> boxes;
};

} // namespace kometa::window
