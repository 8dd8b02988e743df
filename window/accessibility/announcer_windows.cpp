#include "accessibility/announcer.h"

#include "accessibility/uia_notification.h"
#include "system/system_libraries.h"

#include <QWidget>

#include <utility>

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

namespace kometa::window {

namespace {

using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR,
                                                 BSTR);

// Both functions come from the system at run time, from its own folder only: Windows
// before 10 and Wine lack the second, and the program must start there all the same.
struct UiaCalls
{
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
};

const UiaCalls &Resolved()
{
    static const UiaCalls calls = [] {
        const wchar_t *const core = L"UIAutomationCore.dll";
        return UiaCalls {
            reinterpret_cast<HostProviderFromHwnd>(SystemFunction(core, "UiaHostProviderFromHwnd")),
            reinterpret_cast<RaiseNotificationEvent>(
                    SystemFunction(core, "UiaRaiseNotificationEvent")),
        };
    }();
    return calls;
}

bool RaiseOnWindow(QWidget *window, const UiaNotification &notification)
{
    const UiaCalls &calls = Resolved();
    if (!calls.hostProvider || !calls.raise)
        return false;
    IRawElementProviderSimple *provider = nullptr;
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    if (FAILED(calls.hostProvider(hwnd, &provider)) || !provider)
        return false;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(notification.text.utf16()),
                                  UINT(notification.text.size()));
    BSTR activity = SysAllocString(notification.raising.activity);
    const HRESULT raised = calls.raise(provider, static_cast<int>(notification.raising.kind),
                                       static_cast<int>(notification.raising.processing), text,
                                       activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
    return SUCCEEDED(raised);
}

UiaRaise raiseNotification = RaiseOnWindow;

} // namespace

UiaRaise ReplaceUiaRaise(UiaRaise raise)
{
    return std::exchange(raiseNotification, raise);
}

struct Announcer::Notice
{
};

// Narrator and NVDA speak a focused edit box's text when it is typed, not when a press
// writes it, so the focused box is named like any other.
bool Announcer::ReadsFocusedText()
{
    return false;
}

// Narrator and NVDA say nothing of a removal that the user did not type.
QuietRemoval::QuietRemoval(QWidget *) { }
QuietRemoval::~QuietRemoval() = default;

void Announcer::AnnounceWithoutQt(const QString &message, AnswerKind kind)
{
    raiseNotification(window, { message, RaisingOf(kind) });
}

// Here, where the notice is complete.
Announcer::Announcer(QWidget *window) : window(window) { }
Announcer::~Announcer() = default;

} // namespace kometa::window
