// What assistive technology sees of a text box: the text and editing a line edit offers,
// and the box's click as an action beside SetFocus, so that a screen-reader user reaches
// every operation a mouse user does.
#pragma once

namespace kometa::window {

// Idempotent; accessibility interfaces are made only once an assistive client asks.
void InstallTextBoxAccessibility();

} // namespace kometa::window
