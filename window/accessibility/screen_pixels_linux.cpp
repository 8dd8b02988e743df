#include "accessibility/screen_pixels.h"

#include <QGuiApplication>
#include <QPointF>
#include <QScreen>
#include <QSizeF>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

namespace kometa::window {

namespace {

// The window's top-left corner in the screen's pixels, as X has it. Qt keeps the window's
// position in logical pixels, rounded, so it cannot give the pixel back at 2× or 1.5×.
std::optional<QPoint> PlacedAt(const QWindow *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t *connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
            xcb_translate_coordinates_reply(
                    connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr),
            &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

// The window system and its scale, where Qt's accessibility bridge hands on logical pixels
// unconverted: on X11, through Qt 6.4, 6.8 and 6.11 alike. On Wayland the compositor places
// windows, and positions reported from inside them mean nothing to it.
struct Scaled
{
    const QWidget *top;
    qreal factor;
    QPoint origin; // the window's top-left corner on the screen
};

std::optional<Scaled> ScaleOf(const QWidget *widget)
{
    if (QGuiApplication::platformName() != u"xcb")
        return std::nullopt;
    const QWidget *top = widget->window();
    const QWindow *window = top->windowHandle();
    if (!window || window->devicePixelRatio() == 1.0)
        return std::nullopt;
    const std::optional<QPoint> origin = PlacedAt(window);
    if (!origin)
        return std::nullopt;
    return Scaled { top, window->devicePixelRatio(), *origin };
}

} // namespace

QRect ScreenRect(const QWidget *widget, const QRect &local)
{
    const std::optional<Scaled> scaled = ScaleOf(widget);
    if (!scaled)
        return { widget->mapToGlobal(local.topLeft()), local.size() };
    // Qt draws a control at its logical place in the window times the scale.
    const QPointF inWindow = QPointF(widget->mapTo(scaled->top, local.topLeft())) * scaled->factor;
    return { scaled->origin + inWindow.toPoint(), (QSizeF(local.size()) * scaled->factor).toSize() };
}

QPoint LocalPoint(const QWidget *widget, const QPoint &screen)
{
    const std::optional<Scaled> scaled = ScaleOf(widget);
    if (!scaled)
        return widget->mapFromGlobal(screen);
    const QPointF inWindow = QPointF(screen - scaled->origin) / scaled->factor;
    return widget->mapFrom(scaled->top, QPoint(int(std::floor(inWindow.x())), int(std::floor(inWindow.y()))));
}

} // namespace kometa::window
