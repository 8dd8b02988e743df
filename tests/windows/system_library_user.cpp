// Asks for libraries as the calculator's own code does and says which file it got:
//   system_library_user                UIAutomationCore.dll through SystemFunction, after
//                                      KeepLibrarySearchToSafeFolders as main calls it first;
//                                      fails unless the system's own came
//   system_library_user --bare         the same by its bare name, as the calculator once did
//   system_library_user --kept NAME    NAME by its bare name, after KeepLibrarySearchToSafeFolders
//   system_library_user --unkept NAME  the same without it
#include "system/system_libraries.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The file the function or library at this address was loaded from, said aloud; empty where
// nothing was loaded.
std::wstring CameFrom(const char *name, const void *address)
{
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = L"";
    if (address
        && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                                      | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(address), &module))
        GetModuleFileNameW(module, path, MAX_PATH);
    std::printf("%s came from %ls\n", name, *path ? path : L"(none)");
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && (std::strcmp(argv[1], "--kept") == 0 || std::strcmp(argv[1], "--unkept") == 0)) {
        if (std::strcmp(argv[1], "--kept") == 0)
            kometa::window::KeepLibrarySearchToSafeFolders();
        CameFrom(argv[2], LoadLibraryA(argv[2]));
        return 0;
    }
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
    const std::wstring path = CameFrom("UIAutomationCore.dll", found);
    wchar_t system[MAX_PATH] = L"";
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    return !path.empty() && _wcsnicmp(path.c_str(), system, systemLength) == 0 ? 0 : 1;
}
