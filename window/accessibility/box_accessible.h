// What assistive technology sees of the greeting and fault boxes: Qt's own interfaces of the
// box and of each part of it, with their places in the screen's pixels like every control's
// of the window.
#pragma once

class QAccessibleInterface;
class QObject;

namespace kometa::window {

// Whether the object is a message box or a part of one that Qt presents itself.
bool IsBoxPart(QObject *object);

// Qt's own interface of that box or part, placed in the screen's pixels. Qt's interface is
// asked for with the calculator's interfaces set aside; both stay in Qt's accessibility
// cache, which drops them together when the object goes.
QAccessibleInterface *MakeBoxPartAccessible(QObject *object);

// Set while Qt's own interface is asked for, so that the calculator's factory stands aside.
bool AskingQtItself();

} // namespace kometa::window
