// What assistive technology sees of a text box: the text and editing a line edit offers,
// and the box's click as an action beside SetFocus, so that a screen-reader user reaches
// every operation a mouse user does.
#pragma once

class QAccessibleInterface;

namespace kometa::window {

class TextBox;

QAccessibleInterface *MakeTextBoxAccessible(TextBox *box);

} // namespace kometa::window
