# Cross-compiles for 64-bit ARM with Debian's cross compiler, against the arm64 libraries
# that multiarch installs beside this machine's own (dpkg --add-architecture arm64). Qt's
# tools (moc, rcc) are this machine's; the tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${triple})
# Debian 12 and 13 name qemu-user's static emulator qemu-aarch64-static; from testing's
# qemu 11 on, qemu-user's own qemu-aarch64 is static and the other name is gone.
find_program(KOMETA_QEMU NAMES qemu-aarch64-static qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KOMETA_QEMU})

# Multiarch keeps arm64's libraries and packages in their own folders, which CMake searches
# first for this library architecture; pkg-config must be told.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${triple}/pkgconfig:/usr/share/pkgconfig)
