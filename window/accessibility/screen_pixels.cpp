#include "accessibility/screen_pixels.h"

#include <QWidget>

namespace kometa::window {

QRect ScreenRect(const QWidget *widget)
{
    return widget->isVisible() ? ScreenRect(widget, widget->rect()) : QRect();
}

} // namespace kometa::window
