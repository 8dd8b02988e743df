// On Windows before Qt 6.8, what a press announces is raised as a UI Automation
// notification on the window, which Narrator and NVDA speak whatever has the focus. Qt 6.8
// raises the same itself.
#pragma once

#include <QString>

class QWidget;

namespace kometa::window {

struct UiaNotification
{
    QString text;
    // NotificationKind and NotificationProcessing of UI Automation, as Qt 6.8 chooses them
    // for a polite announcement: Other, and All, so that none is dropped.
    int kind = 4;
    int processing = 2;
};

// Where notifications go. The system's raise call by default, resolved from
// UIAutomationCore.dll at the first notification; where the system has none (old Windows,
// Wine), nothing is raised. Returns whether it was.
using UiaRaise = bool (*)(QWidget *window, const UiaNotification &notification);

// Sends notifications elsewhere, as a test does; returns where they went before.
UiaRaise ReplaceUiaRaise(UiaRaise raise);

} // namespace kometa::window
