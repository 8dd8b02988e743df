#include "controls/text_box.h"

#include "controls/enter_key.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QRect>
#include <QString>
#include <QWidget>

#include <limits>

namespace kometa::window {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    // QLineEdit would cut every text at 32767 characters, silently losing what was typed
    // or computed.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::Click()
{
    setFocus(Qt::OtherFocusReason);
    emit clicked();
}

QRect TextBox::CharacterRect(int offset) const
{
    const QString content = text();
    if (offset < 0 || offset >= content.size())
        return {};
    // The caret's place is the one Qt knows after scrolling; every other character is
    // measured from it.
    const QFontMetrics metrics(font());
    const QRect caret = cursorRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(content.left(offset))
            - metrics.horizontalAdvance(content.left(cursorPosition()));
    return { x, caret.top(), metrics.horizontalAdvance(content.mid(offset, 1)), metrics.height() };
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

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (enterClicks && IsPlainEnter(event) && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace kometa::window
