// The layout's faces as this platform has them.
#pragma once

#include "layout/control_table.h"

#include <QFont>
#include <QStringView>

namespace kometa::window {

struct FaceFamily
{
    QStringView family;
    // What the platform falls back to where the family is missing.
    QFont::StyleHint hint;
};

// The family a face is asked for here. Every face has its case: a face missing from the
// platform's switch does not compile.
FaceFamily FamilyOf(Face face);

QFont FontFor(const FontSpec &wanted);

} // namespace kometa::window
