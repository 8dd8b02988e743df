#include "controls/font_faces.h"

namespace kometa::window {

QFont FontFor(const FontSpec &wanted)
{
    const FaceFamily family = FamilyOf(wanted.face);
    QFont font;
    font.setFamily(family.family.toString());
    font.setStyleHint(family.hint);
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    return font;
}

} // namespace kometa::window
