// Asks for UI Automation's library the way the calculator's own code does, before anything
// else has loaded it, and says which file it got: the system's own, or it fails. With --bare
// it asks by the bare name instead, as the calculator once did, to show what that finds.
#include "system/system_libraries.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

int main(int argc, char **argv)
{
    const wchar_t *const library = L"UIAutomationCore.dll";
    const char *const function = "UiaHostProviderFromHwnd";
    void *found = nullptr;
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        if (HMODULE module = LoadLibraryW(library))
            found = reinterpret_cast<void *>(GetProcAddress(module, function));
    } else {
        kometa::window::KeepLibrarySearchToSafeFolders();
        found = kometa::window::SystemFunction(library, function);
    }
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = L"(none)";
    if (found
        && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                                      | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(found), &module))
        GetModuleFileNameW(module, path, MAX_PATH);
    wchar_t system[MAX_PATH] = L"";
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    std::printf("UIAutomationCore.dll came from %ls\n", path);
    return module && _wcsnicmp(path, system, systemLength) == 0 ? 0 : 1;
}
