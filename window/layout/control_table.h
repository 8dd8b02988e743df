// The window described as data: every control with its place, caption and font, the
// field a text box shows, and which operation each click runs.
#pragma once

#include "calculator_state.h"
#include "layout/wiring.h"

#include <optional>
#include <span>
#include <string_view>

namespace kometa::window {

enum class ControlKind { TextBox, Button };
enum class Pointer { Arrow, WhatsThis, Forbidden };
// Whether Enter in a focused text box performs its click. Only where nothing is typed, so
// that Enter can never empty a number the user has just entered.
enum class EnterKey { Ignored, Clicks };

// The faces the layout was drawn with; each maps to the nearest face installed here.
enum class Face { Arial, CourierNew, Georgia, MsSansSerif, System, Terminal };

struct FontSpec
{
    Face face;
    double points;
    bool bold = false;
    bool italic = false;
};

// Positions and sizes in twips (1/1440 inch), from the client area's top-left corner.
struct ControlSpec
{
    std::string_view name;
    ControlKind kind;
    std::optional<Field> field; // the field a text box shows
    Click click;
    std::string_view caption; // UTF-8; the initial text of a text box
    int left;
    int top;
    int width;
    int height;
    FontSpec font;
    std::string_view accessibleName; // UTF-8
    std::string_view picture = {}; // under window/pictures, without the "@2x" or extension
    Pointer pointer = Pointer::Arrow;
    std::string_view clickDescription = {}; // UTF-8; what a wired text box's click does
    EnterKey enter = EnterKey::Ignored;
};

inline constexpr int TwipsPerPixel = 15;

// A length in twips as the window's logical pixels, rounded to the nearest.
constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// The window's title, and the name a screen reader reads for it instead: the title read aloud
// would be punctuation. UTF-8.
inline constexpr std::string_view WindowTitle = "   :)";
inline constexpr std::string_view WindowAccessibleName = "Комета";
// The titles of the boxes it opens: the greeting, and the report of a fault.
inline constexpr std::string_view GreetingTitle = "Привет";
inline constexpr std::string_view FaultTitle = "Ошибка";

inline constexpr int ClientWidthTwips = 2895;
inline constexpr int ClientHeightTwips = 5295;

// In tab order: the index in this table is the control's tab index.
extern const std::span<const ControlSpec> Controls;

} // namespace kometa::window
