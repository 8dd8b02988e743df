#include "controls/push_button.h"

#include "controls/enter_key.h"

#include <QKeyEvent>

namespace kometa::window {

void PushButton::keyPressEvent(QKeyEvent *event)
{
    // A held key presses once, as Space does.
    if (IsPlainEnter(event)) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace kometa::window
