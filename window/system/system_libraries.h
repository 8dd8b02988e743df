// Where the program's libraries come from. Windows looks for a library named without its
// folder in the program's folder and the working folder before its own, so that whoever can
// put a file there would have it run inside the calculator under that name.
#pragma once

namespace kometa::window {

// Called first in main: from then on a library is looked for in the program's own folder
// (Qt, the compiler's runtime) and the system's, never in the working folder or along PATH.
// Linux searches no such folder, and there is nothing to do.
void KeepLibrarySearchToSafeFolders();

#ifdef _WIN32
// A function of one of the system's own libraries, taken from the system's folder and nowhere
// else, or null where this Windows lacks the library or the function (older ones, Wine). The
// library stays loaded for the program's life.
void *SystemFunction(const wchar_t *library, const char *function);
#endif

} // namespace kometa::window
