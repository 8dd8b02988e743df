// Start-up work that the first picture waits for but that needs neither the window nor the
// main thread: begun on helper threads, so that it overlaps Qt's own start instead of
// following it.
#pragma once

#include <thread>

namespace kometa::window {

class EarlyStart
{
public:
    // Before QApplication: reads the font configuration, which Qt otherwise reads on the
    // main thread at the first caption it lays out.
    EarlyStart();

    // Once QApplication exists: connects to the session bus, which the accessibility
    // bridge otherwise waits for on the main thread while the window is built. The thread
    // uses the application, so whoever holds it must end it first: declared after the
    // application, it is joined before the application goes.
    [[nodiscard]] std::jthread ConnectSessionBus();

    // Before the first font is used, so that the configuration is read once, not twice.
    void WaitForFonts();

private:
    std::jthread fonts;
};

} // namespace kometa::window
