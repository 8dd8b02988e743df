// The pictures of the button faces and the window's icon, built into the program.
#pragma once

#include <QIcon>

#include <string_view>

class QPushButton;

namespace kometa::window {

// Shows the layout's picture of that name on the button, at 1x and at 2x.
void SetPicture(QPushButton *button, std::string_view name);

// The comet at every size the window carries.
QIcon CometIcon();

} // namespace kometa::window
