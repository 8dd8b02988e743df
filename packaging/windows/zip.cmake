# Run by CPack after it has made the installer: the zip of the same staged files. CPack's own
# archives list files in the order the file system gives, and stamp each with the packer's
# user and group and with times in the packer's time zone; this one lists them in a fixed
# order, with no fields beyond each file's mode and its time, the commit's.
find_program(KOMETA_ZIP_PROGRAM zip)
if(NOT KOMETA_ZIP_PROGRAM)
    message(FATAL_ERROR "Making the zip needs zip; install it with\n"
                        "  sudo apt-get install --no-install-recommends zip")
endif()
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT files)
list(TRANSFORM files PREPEND ${CPACK_KOMETA_ZIP_FOLDER}/)
list(JOIN files "\n" listed)
# The staged files, seen through a folder of the zip's top folder's name.
set(work ${CPACK_TOPLEVEL_DIRECTORY}/zip)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(CREATE_LINK ${CPACK_TEMPORARY_DIRECTORY} ${work}/${CPACK_KOMETA_ZIP_FOLDER} SYMBOLIC)
file(WRITE ${work}/files "${listed}\n")
file(REMOVE ${CPACK_KOMETA_ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${KOMETA_ZIP_PROGRAM} -q -X -D ${CPACK_KOMETA_ZIP} -@
                INPUT_FILE ${work}/files WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
list(APPEND CPACK_PACKAGE_FILES ${CPACK_KOMETA_ZIP})
