#include "early_start.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace kometa::window {

// Both calls are thread-safe and idempotent: whoever comes second finds the work done or
// waits for it.
EarlyStart::EarlyStart() : fonts([] { FcInit(); }) { }

std::jthread EarlyStart::ConnectSessionBus()
{
    return std::jthread([] { QDBusConnection::sessionBus(); });
}

void EarlyStart::WaitForFonts()
{
    if (fonts.joinable())
        fonts.join();
}

} // namespace kometa::window
