// What assistive technology sees of the window and its controls: Qt's own roles, names and
// actions, with every place in the screen's pixels (screen_pixels.h), and the text boxes'
// click as an action (text_box_accessible.h).
#pragma once

struct QMetaObject;

namespace kometa::window {

// For the calculator's window, of class windowClass, its buttons and text boxes.
// Idempotent; interfaces are made only once an assistive client asks for them.
void InstallAccessibility(const QMetaObject &windowClass);

} // namespace kometa::window
