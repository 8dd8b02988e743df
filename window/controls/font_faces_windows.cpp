#include "controls/font_faces.h"

namespace kometa::window {

// Windows has the layout's own faces.
FaceFamily FamilyOf(Face face)
{
    switch (face) {
    case Face::Arial:
        return { u"Arial", QFont::SansSerif };
    case Face::CourierNew:
        return { u"Courier New", QFont::TypeWriter };
    case Face::Georgia:
        return { u"Georgia", QFont::Serif };
    case Face::MsSansSerif:
        return { u"MS Sans Serif", QFont::SansSerif };
    case Face::System:
        return { u"System", QFont::SansSerif };
    case Face::Terminal:
        return { u"Terminal", QFont::Monospace };
    }
    return { u"Arial", QFont::SansSerif };
}

} // namespace kometa::window
