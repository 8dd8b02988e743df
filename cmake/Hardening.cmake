# The hardening Debian builds its own packages with (dpkg-buildflags, hardening=+all), for
# everything built here: stack protector, fortified C library calls, stack clash protection,
# control-flow protection, position-independent code and read-only relocations resolved at
# load, and control-flow or branch protection where the processor has it. On Windows, what
# MinGW-w64 has of it: the stack protector and the fortified calls, in files the loader
# places anywhere (ASLR, above 4 GiB too) and whose data never runs (DEP).
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_compile_options(-fstack-protector-strong)
# Windows probes each page of a large stack frame itself (___chkstk_ms), which is what stack
# clash protection adds elsewhere.
if(NOT WIN32)
    add_compile_options(-fstack-clash-protection)
endif()
add_compile_options(-Wformat -Werror=format-security)
# The C library fortifies only what the optimiser sees the sizes of.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
if(WIN32)
    add_link_options(LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
    # The protector's and the fortified calls' own code comes from the compiler's libssp,
    # linked in after everything that calls it, so that there is no further DLL to ship.
    string(PREPEND CMAKE_CXX_STANDARD_LIBRARIES "-Wl,-Bstatic -lssp -Wl,-Bdynamic ")
    return()
endif()
# Control-flow protection is x86's; branch protection is its counterpart on 64-bit ARM.
check_cxx_compiler_flag(-fcf-protection KOMETA_HAS_CF_PROTECTION)
if(KOMETA_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
endif()
check_cxx_compiler_flag(-mbranch-protection=standard KOMETA_HAS_BRANCH_PROTECTION)
if(KOMETA_HAS_BRANCH_PROTECTION)
    add_compile_options(-mbranch-protection=standard)
endif()
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(LINKER:-z,relro LINKER:-z,now)
