#include "controls/font_faces.h"

namespace kometa::window {

// Windows has the layout's own faces.
const std::array<FaceFamily, 6> FaceFamilies = { {
    { Face::Arial, u"Arial", QFont::SansSerif },
    { Face::CourierNew, u"Courier New", QFont::TypeWriter },
    { Face::Georgia, u"Georgia", QFont::Serif },
    { Face::MsSansSerif, u"MS Sans Serif", QFont::SansSerif },
    { Face::System, u"System", QFont::SansSerif },
    { Face::Terminal, u"Terminal", QFont::Monospace },
} };

} // namespace kometa::window
