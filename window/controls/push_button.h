// A button pressed by Enter when it has the focus, as on the desktops the calculator runs
// on. No button is the window's default: Enter anywhere else presses nothing.
#pragma once

#include <QPushButton>

namespace kometa::window {

class PushButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kometa::window
