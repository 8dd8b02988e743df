#include "system/system_libraries.h"

namespace kometa::window {

// The dynamic loader reads only the paths the system and the executable name.
void KeepLibrarySearchToSafeFolders() { }

} // namespace kometa::window
