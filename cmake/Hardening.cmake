# The hardening Debian builds its own packages with (dpkg-buildflags, hardening=+all), for
# everything built here: stack protector, fortified C library calls, stack clash protection,
# control-flow protection, position-independent code and read-only relocations resolved at
# load, and control-flow or branch protection where the processor has it.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_compile_options(-fstack-protector-strong -fstack-clash-protection
                    -Wformat -Werror=format-security)
# Control-flow protection is x86's; branch protection is its counterpart on 64-bit ARM.
check_cxx_compiler_flag(-fcf-protection KOMETA_HAS_CF_PROTECTION)
if(KOMETA_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
endif()
check_cxx_compiler_flag(-mbranch-protection=standard KOMETA_HAS_BRANCH_PROTECTION)
if(KOMETA_HAS_BRANCH_PROTECTION)
    add_compile_options(-mbranch-protection=standard)
endif()
# The C library fortifies only what the optimiser sees the sizes of.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(LINKER:-z,relro LINKER:-z,now)
