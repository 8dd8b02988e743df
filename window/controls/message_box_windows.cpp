#include "controls/message_box.h"

#include "system/system_libraries.h"

#include <QAccessible>

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace kometa::window {

namespace {

using PlaySoundCall = BOOL(WINAPI *)(LPCWSTR, HMODULE, DWORD);

// The sound of the user's scheme that Windows' own boxes play for each kind ours show. Its
// question boxes play SystemQuestion; no box of ours asks a question, and none is played here.
const wchar_t *SoundOf(QMessageBox::Icon kind)
{
    switch (kind) {
    case QMessageBox::Information:
        return L"SystemAsterisk";
    case QMessageBox::Warning:
        return L"SystemExclamation";
    case QMessageBox::Critical:
        return L"SystemHand";
    case QMessageBox::Question:
    case QMessageBox::NoIcon:
        break;
    }
    return nullptr;
}

// Whether the user's scheme gives the sound a file; one set to none stays silent.
bool SchemeHasFile(const wchar_t *sound)
{
    const std::wstring key =
            std::wstring(L"AppEvents\\Schemes\\Apps\\.Default\\") + sound + L"\\.Current";
    DWORD bytes = 0;
    const LSTATUS found = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr,
                                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                                       nullptr, nullptr, &bytes);
    return found == ERROR_SUCCESS && bytes > sizeof(wchar_t);
}

} // namespace

void PlayOpeningSound(QMessageBox::Icon kind)
{
    // Qt's Windows platform sounds a box by its kind itself. Qt 6.4 does so only once a UI
    // Automation client (a screen reader) has asked for a window and is silent until then,
    // where Windows' own boxes always sound; so it is played here until Qt plays it. Qt 6.8
    // sounds every box, client or not, and playing it here too would sound it twice.
    constexpr bool qtSoundsEveryBox = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
    if (qtSoundsEveryBox || QAccessible::isActive())
        return;
    const wchar_t *sound = SoundOf(kind);
    if (!sound || !SchemeHasFile(sound))
        return;
    static const auto playSound =
            reinterpret_cast<PlaySoundCall>(SystemFunction(L"winmm.dll", "PlaySoundW"));
    if (playSound)
        playSound(sound, nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

} // namespace kometa::window
