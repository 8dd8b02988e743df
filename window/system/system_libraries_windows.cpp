#include "system/system_libraries.h"

#include <windows.h>

namespace kometa::window {

void KeepLibrarySearchToSafeFolders()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

void *SystemFunction(const wchar_t *library, const char *function)
{
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<void *>(GetProcAddress(module, function)) : nullptr;
}

} // namespace kometa::window
