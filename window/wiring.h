// Which operation each wired control runs on its click.
#pragma once

#include <array>
#include <string_view>

namespace kometa::window {

class Form1;

struct Wire
{
    std::string_view control;
    void (*click)(Form1 &form);
};

extern const std::array<Wire, 37> Wiring;

} // namespace kometa::window
