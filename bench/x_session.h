// A private X server and the timing of a program's first window on it, observed through
// the server's own events: the window's MapNotify and the damage its drawing causes.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kometa::bench {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration);

// Starts Xvfb on a free display and stops it again.
class XServer
{
public:
    XServer();
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    Display *display() const { return connection; }
    const std::string &name() const { return displayName; }
    int damageEventBase() const { return damageEvents; }

    // Waits for the next event up to the deadline; false when none came.
    bool NextEvent(XEvent &event, Clock::time_point deadline);

private:
    // Reads the server's number from the pipe and connects to it.
    void Connect(int numberPipe);

    std::string displayName;
    pid_t server = -1;
    Display *connection = nullptr;
    int damageEvents = 0;
};

struct Launched
{
    pid_t pid = -1;
    Window window = 0;
    int width = 0;
    int height = 0;
    double mappedMs = 0; // from exec to MapNotify
    double drawnMs = 0; // from exec to the last drawing of a window fully painted
};

// Starts a program and waits until its first top-level window is mapped and every pixel of
// it has been drawn, then until its drawing has been quiet for a while.
std::optional<Launched> LaunchAndWaitDrawn(XServer &server, const std::vector<std::string> &command,
                                           std::chrono::milliseconds timeout);

long ResidentKiB(pid_t pid);
void Stop(pid_t pid);

} // namespace kometa::bench
