#include "controls/font_faces.h"

namespace kometa::window {

// The layout's faces are rarely installed outside their home platform, so each is asked for
// by the free face that stands in for it, metric-compatible where one exists. Asking for the
// missing family first would make Qt search fontconfig for substitutes, which costs
// milliseconds per face at start.
const std::array<FaceFamily, 6> FaceFamilies = { {
    { Face::Arial, u"Liberation Sans", QFont::SansSerif },
    { Face::CourierNew, u"Liberation Mono", QFont::TypeWriter },
    { Face::Georgia, u"DejaVu Serif", QFont::Serif },
    { Face::MsSansSerif, u"Liberation Sans", QFont::SansSerif },
    { Face::System, u"Liberation Sans", QFont::SansSerif },
    { Face::Terminal, u"Liberation Mono", QFont::Monospace },
} };

} // namespace kometa::window
