# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs).
# Qt's own prefix is added to the search root by whoever passes KOMETA_QT_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${KOMETA_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# A variable the toolchain reads must reach CMake's compiler checks too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KOMETA_QT_PREFIX)
