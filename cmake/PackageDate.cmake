# Read by cpack before it packs: the time every file, archive and member of
# the .deb carries, so that the same source packs the same bytes whenever it
# is packed. CPack's DEB generator takes it from SOURCE_DATE_EPOCH: one
# given by the caller stands; otherwise the last commit's date, and without
# git (a source tarball) the date of the changelog's entry.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}" DIRECTORY)
execute_process(COMMAND git -C "${source_dir}" log -1 --format=%ct -- .
                OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT date MATCHES "^[0-9]+$")
    file(STRINGS "${source_dir}/data/changelog.in" signature REGEX "^ -- ")
    string(REGEX REPLACE ".*  " "" changelog_date "${signature}")
    execute_process(COMMAND date -u -d "${changelog_date}" +%s
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} "${date}")
