// Where assistive technology is told a control lies. A magnifier following the focus, a
// screen reader's mouse routing and a braille display's routing keys take these places in
// the screen's own pixels; Qt's widgets think in logical pixels, which differ from them at
// any scale but 1.
#pragma once

#include <QPoint>
#include <QRect>

class QAccessibleInterface;
class QWidget;

namespace kometa::window {

// A rectangle in the widget's own logical coordinates, as the screen shows it.
QRect ScreenRect(const QWidget *widget, const QRect &local);

// The whole widget as the screen shows it; empty while it is hidden.
QRect ScreenRect(const QWidget *widget);

// A point on the screen, in the widget's own logical coordinates.
QPoint LocalPoint(const QWidget *widget, const QPoint &screen);

// The child drawn at a point of the screen, among children that report their places in the
// screen's pixels too.
QAccessibleInterface *ChildAtScreenPoint(const QAccessibleInterface *parent, int x, int y);

} // namespace kometa::window
