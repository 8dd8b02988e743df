// Enter, from the main keys or the keypad, with no modifier held: it presses the focused
// button, and it is the click of a text box that takes one from the keyboard.
#pragma once

#include <QKeyEvent>

namespace kometa::window {

inline bool IsPlainEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace kometa::window
