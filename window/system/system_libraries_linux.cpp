#include "system/system_libraries.h"

namespace kometa::window {

// The dynamic loader looks where the system's configuration says and, before that, where the
// user's own environment says (LD_LIBRARY_PATH, LD_PRELOAD): never in the working folder
// unless that environment names it. Only the user can set it, so there is nothing to change.
void KeepLibrarySearchToSafeFolders() { }

} // namespace kometa::window
