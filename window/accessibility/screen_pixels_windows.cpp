#include "accessibility/screen_pixels.h"

#include <QWidget>

namespace kometa::window {

// UI Automation's bridge converts Qt's logical pixels itself.

QRect ScreenRect(const QWidget *widget, const QRect &local)
{
    return { widget->mapToGlobal(local.topLeft()), local.size() };
}

QPoint LocalPoint(const QWidget *widget, const QPoint &screen)
{
    return widget->mapFromGlobal(screen);
}

} // namespace kometa::window
