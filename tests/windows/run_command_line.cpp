// Runs a command line as it stands, as cmd.exe does, and waits for it: Wine quotes each
// argument that has a blank in it, and an NSIS installer reads /D= only unquoted.
// Usage: run_command_line "PROGRAM ARGUMENTS"; exits with the program's exit code.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int main()
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 2) {
        std::fputs("usage: run_command_line \"PROGRAM ARGUMENTS\"\n", stderr);
        return 2;
    }
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, arguments[1], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "could not start: %ls\n", arguments[1]);
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
