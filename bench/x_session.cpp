#include "x_session.h"

#include <X11/extensions/Xdamage.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kometa::bench {

namespace {

// Windows vanish under their damage objects when a program ends; those errors are expected.
int IgnoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

pid_t Spawn(const std::vector<std::string> &command, const std::string &display)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        std::vector<char *> argv;
        for (const std::string &word : command)
            argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

} // namespace

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

XServer::XServer()
{
    // The server takes a free number itself and writes it into the pipe. It listens on X's
    // abstract socket too, so a number held by a server that this /tmp does not show is
    // skipped rather than shared.
    int numberPipe[2];
    if (pipe(numberPipe) != 0)
        throw std::runtime_error("no pipe for Xvfb's display number");
    server = Spawn({ "Xvfb", "-displayfd", std::to_string(numberPipe[1]), "-screen", "0",
                     "1280x1024x24", "-nolisten", "tcp" },
                   "");
    close(numberPipe[1]);
    // A server that started but cannot serve is not left running; the destructor does not
    // run for an object that was never made.
    try {
        Connect(numberPipe[0]);
    } catch (...) {
        if (connection)
            XCloseDisplay(connection);
        Stop(server);
        throw;
    }
}

void XServer::Connect(int numberPipe)
{
    std::string number;
    pollfd readable { numberPipe, POLLIN, 0 };
    char digit = 0;
    while (poll(&readable, 1, 5000) == 1 && read(numberPipe, &digit, 1) == 1 && digit != '\n')
        number += digit;
    close(numberPipe);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    displayName = ":" + number;
    for (int attempt = 0; attempt < 100 && !connection; ++attempt) {
        connection = XOpenDisplay(displayName.c_str());
        if (!connection)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!connection)
        throw std::runtime_error("Xvfb did not start on " + displayName);
    int damageErrors = 0;
    if (!XDamageQueryExtension(connection, &damageEvents, &damageErrors))
        throw std::runtime_error("the X server has no DAMAGE extension");
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(connection, DefaultRootWindow(connection), SubstructureNotifyMask);
    // The pointer starts at the screen's centre, where a window may open under it; the control
    // beneath then shows that it is hovered, which Windows' style fades in over a tenth of a
    // second after the window is drawn. That is not the start, and it would fall on whichever
    // program's layout has a control there: the pointer rests in a corner no window opens on.
    XWarpPointer(connection, None, DefaultRootWindow(connection), 0, 0, 0, 0,
                 DisplayWidth(connection, DefaultScreen(connection)) - 1,
                 DisplayHeight(connection, DefaultScreen(connection)) - 1);
    XSync(connection, False);
}

XServer::~XServer()
{
    if (connection)
        XCloseDisplay(connection);
    Stop(server);
}

bool XServer::NextEvent(XEvent &event, Clock::time_point deadline)
{
    while (!XPending(connection)) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        pollfd watch { ConnectionNumber(connection), POLLIN, 0 };
        poll(&watch, 1, static_cast<int>(Milliseconds(left)) + 1);
    }
    XNextEvent(connection, &event);
    return true;
}

std::optional<Launched> LaunchAndWaitDrawn(XServer &server, const std::vector<std::string> &command,
                                           std::chrono::milliseconds timeout)
{
    constexpr auto quiet = std::chrono::milliseconds(150);
    // With KOMETA_BENCH_DRAWINGS set, the map and every drawing go to stderr with their times:
    // where the time between mapped and drawn goes.
    const bool listDrawings = std::getenv("KOMETA_BENCH_DRAWINGS") != nullptr;
    Display *display = server.display();
    XSync(display, True);

    Launched launched;
    std::map<Window, Damage> damages;
    Region drawn = XCreateRegion();
    Clock::time_point lastDrawing;
    bool covered = false;

    const auto start = Clock::now();
    launched.pid = Spawn(command, server.name());
    const auto deadline = start + timeout;
    XEvent event;
    while (true) {
        const auto until = covered ? std::min(deadline, lastDrawing + quiet) : deadline;
        if (!server.NextEvent(event, until))
            break;
        if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display)) {
            // Watched from creation on, so no drawing after the map can be missed.
            damages[event.xcreatewindow.window] =
                    XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && !launched.window && !event.xmap.override_redirect
                   && damages.count(event.xmap.window)) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            if (attributes.width >= 50 && attributes.height >= 50) {
                launched.window = event.xmap.window;
                launched.width = attributes.width;
                launched.height = attributes.height;
                launched.mappedMs = Milliseconds(Clock::now() - start);
                if (listDrawings)
                    std::fprintf(stderr, "%8.1f ms: mapped\n", launched.mappedMs);
            }
        } else if (event.type == server.damageEventBase() + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (damage.drawable != launched.window || !launched.window)
                continue;
            XRectangle area = damage.area;
            XUnionRectWithRegion(&area, drawn, drawn);
            lastDrawing = Clock::now();
            if (listDrawings) {
                std::fprintf(stderr, "%8.1f ms: drawn %dx%d at %d,%d\n",
                             Milliseconds(lastDrawing - start), area.width, area.height, area.x,
                             area.y);
            }
            covered = XRectInRegion(drawn, 0, 0, static_cast<unsigned>(launched.width),
                                    static_cast<unsigned>(launched.height))
                    == RectangleIn;
        }
    }
    XDestroyRegion(drawn);
    if (!covered) {
        Stop(launched.pid);
        return std::nullopt;
    }
    launched.drawnMs = Milliseconds(lastDrawing - start);
    return launched;
}

long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

} // namespace kometa::bench
