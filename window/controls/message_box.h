// The greeting and fault boxes: modal boxes over the window, each with the style's standard
// picture for its kind.
#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QString>

#include <map>

class QWidget;

namespace kometa::window {

class MessageBoxes
{
public:
    // Shows the box and returns once it is closed.
    void Show(QWidget *parent, QMessageBox::Icon kind, const QString &title, const QString &text);

private:
    // One picture of each kind while the program runs. A box that fetched its own from the
    // style would leave a scaled copy in Qt's pixmap cache under a key no later box reuses:
    // from Qt 6.8 on, about 12 KiB for every box opened, until the cache is full.
    std::map<QMessageBox::Icon, QIcon> pictures;
};

} // namespace kometa::window
