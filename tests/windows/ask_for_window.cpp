// What a screen reader does first with a window: asks it for its UI Automation root, as
// Narrator and NVDA do. Qt's Windows platform turns its accessibility on at that request.
// Usage: ask_for_window TITLE; fails where no window has the title.
#include <windows.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: ask_for_window TITLE\n", stderr);
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window is titled \"%s\"\n", argv[1]);
        return 1;
    }
    const LPARAM uiaRootObjectId = -25;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId, SMTO_ABORTIFHUNG, 10000,
                        &answer);
    return 0;
}
