#include "early_start.h"

namespace kometa::window {

// Windows has no font configuration to read and no session bus: its fonts and its
// accessibility clients are reached through the system, with nothing to start early.
EarlyStart::EarlyStart() = default;

std::jthread EarlyStart::ConnectSessionBus()
{
    return {};
}

void EarlyStart::WaitForFonts() { }

} // namespace kometa::window
