#include "controls/font_faces.h"
#include "layout/control_table.h"

namespace kometa::window {

// The layout's faces are rarely installed outside their home platform, so each is asked for
// by the free face that stands in for it, metric-compatible where one exists. Asking for the
// missing family first would make Qt search fontconfig for substitutes, which costs
// milliseconds per face at start.
FaceFamily FamilyOf(Face face)
{
    switch (face) {
    case Face::Arial:
    case Face::MsSansSerif:
    case Face::System:
        return { u"Liberation Sans", QFont::SansSerif };
    case Face::CourierNew:
        return { u"Liberation Mono", QFont::TypeWriter };
    case Face::Georgia:
        return { u"DejaVu Serif", QFont::Serif };
    case Face::Terminal:
        return { u"Liberation Mono", QFont::Monospace };
    }
    return { u"Liberation Sans", QFont::SansSerif };
}

} // namespace kometa::window
