#include "controls/push_button.h"

#include <QKeyEvent>

namespace kometa::window {

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // A held key presses once, as Space does.
    if (enter && plain) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace kometa::window
