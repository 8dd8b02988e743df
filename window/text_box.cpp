#include "text_box.h"

#include <QMouseEvent>

#include <limits>

namespace kometa::window {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    // QLineEdit would cut every text at 32767 characters, silently losing what was typed
    // or computed.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    pressed = event->button() == Qt::LeftButton;
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    pressed = false;
    if (click)
        emit clicked();
}

} // namespace kometa::window
