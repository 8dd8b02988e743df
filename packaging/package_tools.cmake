# Run by CPack before it makes the .deb. Its dependencies are worked out by dpkg-shlibdeps
# (dpkg-dev), which CPack runs through file(1); without dpkg-shlibdeps CPack would quietly
# write a package that depends on nothing.
foreach(tool dpkg-shlibdeps file)
    find_program(tool_path ${tool})
    if(NOT tool_path)
        message(FATAL_ERROR "Making the package needs ${tool}; install it with\n"
                            "  sudo apt-get install --no-install-recommends dpkg-dev file")
    endif()
    unset(tool_path CACHE)
endforeach()
# dpkg-shlibdeps looks for the libraries of the machine it runs on, unless told the package's.
if(CPACK_KOMETA_DEB_HOST_ARCH)
    set(ENV{DEB_HOST_ARCH} ${CPACK_KOMETA_DEB_HOST_ARCH})
endif()
