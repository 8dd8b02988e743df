#include "accessibility/screen_pixels.h"

#include <QAccessibleInterface>
#include <QWidget>

namespace kometa::window {

QRect ScreenRect(const QWidget *widget)
{
    return widget->isVisible() ? ScreenRect(widget, widget->rect()) : QRect();
}

QAccessibleInterface *ChildAtScreenPoint(const QAccessibleInterface *parent, int x, int y)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (child && child->isValid() && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

} // namespace kometa::window
