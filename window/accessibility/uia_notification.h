// On Windows, what a press answers is raised as a UI Automation notification on the window,
// which Narrator and NVDA speak whatever has the focus.
#pragma once

#include "accessibility/answer_kinds.h"

#include <QString>

class QWidget;

namespace kometa::window {

struct UiaNotification
{
    QString text;
    UiaRaising raising;
};

// Where notifications go. The system's raise call by default, resolved from
// UIAutomationCore.dll at the first notification; where the system has none (old Windows,
// Wine), nothing is raised. Returns whether it was.
using UiaRaise = bool (*)(QWidget *window, const UiaNotification &notification);

// Sends notifications elsewhere, as a test does; returns where they went before.
UiaRaise ReplaceUiaRaise(UiaRaise raise);

} // namespace kometa::window
