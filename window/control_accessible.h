// What assistive technology sees of the window and its controls: Qt's own roles, names and
// actions, with every place in the screen's pixels (screen_pixels.h), and the text boxes'
// click as an action (text_box_accessible.h).
#pragma once

namespace kometa::window {

// Idempotent; interfaces are made only once an assistive client asks for them.
void InstallAccessibility();

} // namespace kometa::window
