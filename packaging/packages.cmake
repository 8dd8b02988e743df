# What every package of Kometa, the .deb and the Windows zip and installer, has in common:
# one commit makes the same bytes in any folder at any time, and a SHA256SUMS file beside the
# packages lets a download be checked against them. Included before include(CPack).

# The packaged files' times are the last commit's. CPack reads it as it packages, so that a
# new commit changes nothing in the build itself; anything stamped on the way, such as a
# Windows file's link time that strip writes anew, takes it too. Generator-specific settings
# come after, from CPACK_KOMETA_PROJECT_CONFIG.
find_package(Git QUIET)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/cpack_project.cmake @ONLY CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND EXISTS "@GIT_EXECUTABLE@")
    execute_process(COMMAND "@GIT_EXECUTABLE@" log -1 --format=%ct
                    WORKING_DIRECTORY "@PROJECT_SOURCE_DIR@" OUTPUT_VARIABLE epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(epoch MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    endif()
endif()
foreach(config IN LISTS CPACK_KOMETA_PROJECT_CONFIG)
    include(${config})
endforeach()
]])
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack_project.cmake)
list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/checksums.cmake)
