// The family each of the layout's faces is asked for on this platform.
#pragma once

#include "layout/control_table.h"

#include <QFont>
#include <QStringView>

#include <array>

namespace kometa::window {

struct FaceFamily
{
    Face face;
    QStringView family;
    // What the platform falls back to where the family is missing.
    QFont::StyleHint hint;
};

extern const std::array<FaceFamily, 6> FaceFamilies;

} // namespace kometa::window
