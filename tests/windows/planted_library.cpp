// A DLL planted under a system library's name where Windows would find it before the system's
// own: beside the program, or in its working folder. Whoever loads it leaves a mark, a file of
// the DLL's path and ".loaded", and finds none of the functions it asked for.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t mark[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, mark, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcpyW(mark + length, L".loaded");
        HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    return TRUE;
}
