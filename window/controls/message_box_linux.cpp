#include "controls/message_box.h"

namespace kometa::window {

// Linux desktops sound no message box of their own, and Qt none of its.
void PlayOpeningSound(QMessageBox::Icon) { }

} // namespace kometa::window
