// A single-line text box that reports a left click, as the calculator's fields react to one.
#pragma once

#include <QLineEdit>

namespace kometa::window {

class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

signals:
    // A left press and release inside the box. Qt has already placed the caret by then.
    // A double click counts once: its second press arrives as a double-click event.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};

} // namespace kometa::window
