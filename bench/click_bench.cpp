// From a mouse click on an arithmetic button of the running window to the result being
// drawn: the time until the server reports drawing inside the result field.
// Usage: click_bench CLICKS PATH/TO/kometa
#include "layout/control_table.h"
#include "x_session.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace kometa::bench;
using kometa::window::Controls;
using kometa::window::Pixels;

namespace {

struct Box
{
    int x, y, width, height;
};

Box Place(std::string_view name)
{
    for (const auto &control : Controls) {
        if (control.name == name) {
            return { Pixels(control.left), Pixels(control.top), Pixels(control.width),
                     Pixels(control.height) };
        }
    }
    std::fprintf(stderr, "no control %.*s\n", int(name.size()), name.data());
    std::exit(2);
}

class Clicker
{
public:
    Clicker(XServer &server, Window window) : server(server), display(server.display())
    {
        Window child;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &originX,
                              &originY, &child);
    }

    void Click(std::string_view name)
    {
        const Box box = Place(name);
        XTestFakeMotionEvent(display, -1, originX + box.x + box.width / 2,
                             originY + box.y + box.height / 2, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
        XFlush(display);
    }

    // Waits for drawing that touches the box; returns false on timeout.
    bool WaitForDrawing(const Box &box, std::chrono::milliseconds timeout)
    {
        const auto deadline = Clock::now() + timeout;
        XEvent event;
        while (server.NextEvent(event, deadline)) {
            if (event.type != server.damageEventBase() + XDamageNotify)
                continue;
            const auto &area = reinterpret_cast<const XDamageNotifyEvent &>(event).area;
            if (area.x < box.x + box.width && box.x < area.x + area.width
                && area.y < box.y + box.height && box.y < area.y + area.height)
                return true;
        }
        return false;
    }

    void Settle()
    {
        XEvent event;
        while (server.NextEvent(event, Clock::now() + std::chrono::milliseconds(30))) { }
    }

private:
    XServer &server;
    Display *display;
    int originX = 0;
    int originY = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CLICKS PATH/TO/kometa\n", argv[0]);
        return 2;
    }
    const int clicks = std::atoi(argv[1]);
    XServer server;
    auto launched = LaunchAndWaitDrawn(server, { argv[2] }, std::chrono::seconds(20));
    if (!launched) {
        std::fprintf(stderr, "kometa showed no window\n");
        return 1;
    }
    Clicker clicker(server, launched->window);
    // 2 in the first operand, 3 in the second.
    for (const char *name : { "Text1", "C2", "Text2", "C3" }) {
        clicker.Click(name);
        clicker.Settle();
    }

    // Alternating sum and difference, so that every click changes the result text.
    const Box result = Place("Text3");
    std::vector<double> times;
    for (int i = 0; i < clicks; ++i) {
        const auto start = Clock::now();
        clicker.Click(i % 2 ? "Comminus" : "Complus");
        if (!clicker.WaitForDrawing(result, std::chrono::seconds(2))) {
            std::fprintf(stderr, "click %d: the result was not drawn\n", i);
            Stop(launched->pid);
            return 1;
        }
        times.push_back(Milliseconds(Clock::now() - start));
        clicker.Settle();
    }
    Stop(launched->pid);

    std::sort(times.begin(), times.end());
    std::printf("%d clicks on Complus/Comminus to the result drawn: median %.3f ms, "
                "90th percentile %.3f ms, min %.3f ms, max %.3f ms\n",
                clicks, times[times.size() / 2], times[times.size() * 9 / 10], times.front(),
                times.back());
    return 0;
}
