# Nothing built here may carry the time it was built: rcc stores each resource's file time
# and CPack each packaged file's. Both take SOURCE_DATE_EPOCH instead, which is the last
# commit's time unless the caller sets it, so that one commit builds the same bytes in any
# folder at any time.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(KOMETA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE KOMETA_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        # A new commit must reach the next build without a manual reconfigure.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE git_dir
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(EXISTS "${git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
        endif()
    endif()
endif()
if(KOMETA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
                 "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KOMETA_SOURCE_DATE_EPOCH}")
else()
    set(KOMETA_SOURCE_DATE_EPOCH "")
endif()
