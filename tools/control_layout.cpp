// Writes the control table as text, for what reads the layout outside C++: the tests that
// drive the real program over the accessibility bus, and the script that clicks the
// Windows program under Wine. One line a control, in tab order, tab-separated: name, kind,
// the field a text box shows (or -), the place in the window's logical pixels (x, y,
// width, height), the spoken name, and what a text box's click does.
// Usage: control_layout OUTPUT
#include "layout/control_table.h"
#include "layout/wiring.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <span>
#include <string_view>

int main(int argc, char *argv[])
{
    using namespace kometa::window;
    if (argc != 2) {
        std::fprintf(stderr, "usage: control_layout OUTPUT\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    for (const ControlSpec &row : Controls) {
        out << row.name << '\t' << (row.kind == ControlKind::TextBox ? "box" : "button") << '\t';
        if (row.field)
            out << "Text" << static_cast<int>(*row.field) + 1;
        else
            out << '-';
        out << '\t' << Pixels(row.left) << '\t' << Pixels(row.top) << '\t' << Pixels(row.width)
            << '\t' << Pixels(row.height) << '\t' << row.accessibleName << '\t'
            << row.clickDescription << '\n';
    }
    out.close();
    return out ? 0 : 1;
}
