// A single-line text box that reports a left click, as the calculator's fields react to one.
#pragma once

#include <QLineEdit>
#include <QRect>

namespace kometa::window {

class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    // Enter (either key) in the focused box counts as its click.
    void SetEnterClicks(bool clicks) { enterClicks = clicks; }
    bool EnterClicks() const { return enterClicks; }

    // Whether anything runs on a click, as the layout says; boxes without a click offer none
    // to the keyboard or to assistive technology.
    void SetHasClick(bool click) { hasClick = click; }
    bool HasClick() const { return hasClick; }

    // A click without the mouse: the focus moves here as it would under the pointer.
    void Click();

    // Where the character at offset is drawn, in the box's own coordinates.
    QRect CharacterRect(int offset) const;

signals:
    // A left press and release inside the box. Qt has already placed the caret by then.
    // A double click counts once: its second press arrives as a double-click event.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool pressed = false;
    bool hasClick = false;
    bool enterClicks = false;
};

} // namespace kometa::window
