# Installs the game where desktops look for it and packs it as a .deb.
include(GNUInstallDirs)

# The one maintainer contact: the package's, the copyright file's and the
# changelog's; its name is the developer the metainfo names.
set(developers "VorOdAra developers")
set(CPACK_PACKAGE_CONTACT "${developers} <vorodara@example.org>")

# Qt comes from the system's library directories; a search path of the
# program's own would only let stray libraries beside it take their place.
set_target_properties(vorodara PROPERTIES INSTALL_RPATH "")
# All symbols bound at start, so that the whole offset table can be read-only.
target_link_options(vorodara PRIVATE LINKER:-z,now)
# cmake --install puts the program in bin/; the package, in games/ where
# Debian keeps games (the component "games" is packed but not installed by
# default).
install(TARGETS vorodara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS vorodara RUNTIME DESTINATION games COMPONENT games EXCLUDE_FROM_ALL)

# AppStream 1.0 (Debian 13) names the developer in <developer id> and flags
# <developer_name> as deprecated; 0.16 (Debian 12) knows only
# <developer_name>. Neither form validates strictly under both, so the
# validator installed here chooses; without one, the current form.
find_program(APPSTREAMCLI appstreamcli)
set(metainfo_developer "<developer id=\"org.example.vorodara\"><name>${developers}</name></developer>")
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
    string(REGEX MATCH "[0-9]+\\.[0-9.]+" appstream_version "${appstream_version}")
    if(appstream_version VERSION_LESS 1.0)
        set(metainfo_developer "<developer_name>${developers}</developer_name>")
    endif()
endif()
set(metainfo ${CMAKE_BINARY_DIR}/org.example.vorodara.metainfo.xml)
configure_file(data/org.example.vorodara.metainfo.xml.in ${metainfo} @ONLY)
install(FILES data/org.example.vorodara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/vorodara.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

# The copyright file is LICENSE in Debian's machine-readable form: the holder
# from its copyright line, its terms indented, blank lines as " .".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE)
file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)\n\n(.+[^\n])" _ "${license}")
set(copyright_holder "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" license_terms "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " license_terms " ${license_terms}")
set(package_docs ${CMAKE_BINARY_DIR}/package)
configure_file(data/copyright.in ${package_docs}/copyright @ONLY)
configure_file(data/changelog.in ${package_docs}/changelog @ONLY)

# Debian keeps the manual page and the changelog compressed: gzip's best
# ratio, no name or time stamp, so that the same source packs the same.
foreach(doc ${package_docs}/changelog ${PROJECT_SOURCE_DIR}/data/vorodara.6)
    cmake_path(GET doc FILENAME name)
    add_custom_command(OUTPUT ${package_docs}/${name}.gz
                       COMMAND gzip -9n --stdout ${doc} > ${package_docs}/${name}.gz
                       DEPENDS ${doc} VERBATIM)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${package_docs}/changelog.gz ${package_docs}/vorodara.6.gz)
install(FILES ${package_docs}/vorodara.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${package_docs}/copyright ${package_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorodara)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorodara)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};vorodara;Unspecified;/"
                                 "${CMAKE_BINARY_DIR};vorodara;games;/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Game of Go on a board of any size, drawn and read back in pixels")
set(CPACK_PACKAGE_DESCRIPTION "A game of Go in one window, for two players at one mouse or one
player against the computer, on a board of any number of columns and rows.
The board exists only as a drawing: every rule reads it back from the colours
of single pixels.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack gives the package the project's homepage of its own accord.
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)

# The prompts and captions are Chinese; Qt finds no glyphs without a CJK font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-droid-fallback | fonts-noto-cjk | fonts-wqy-microhei")
# Qt's own button texts in the user's language, the computer's beep played
# through the desktop's sound server rather than straight to ALSA, and a
# native window on Wayland desktops instead of one through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libcanberra-pulse, qt6-wayland")

# Without dpkg-shlibdeps the package depends on the packages that hold the
# libraries the game links, under the names of the release it is built on
# (Debian 13 calls Qt's core libqt6core6t64), at least at the versions it
# was built against.
function(append_package_holding library)
    file(REAL_PATH "${library}" file)
    # Debian 12 records the C library under /lib, which /usr/lib merely is.
    string(REGEX REPLACE "^/usr/lib/" "/lib/" unmerged "${file}")
    foreach(path "${file}" "${unmerged}")
        execute_process(COMMAND dpkg-query -S "${path}" OUTPUT_VARIABLE owner
                        RESULT_VARIABLE failed ERROR_QUIET)
        if(NOT failed)
            break()
        endif()
    endforeach()
    if(failed)
        message(WARNING "No installed package holds ${file}: the package will not depend on it")
        return()
    endif()
    # As in "libqt6core6t64:amd64: /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.8.2".
    string(REGEX MATCH "^[^:]+" package "${owner}")
    string(REGEX MATCH "^[^:]+(:[a-z0-9]+)?" installed "${owner}")
    execute_process(COMMAND dpkg-query -W -f=\${Version} "${installed}" OUTPUT_VARIABLE version)
    string(REGEX MATCH "^([0-9]+:)?[0-9.]+" version "${version}")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${package} (>= ${version})"
        PARENT_SCOPE)
endfunction()

find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(linked ${SOUND_LINK_LIBRARIES})
    foreach(target Qt6::Widgets Qt6::Gui Qt6::Core)
        get_target_property(location ${target} LOCATION)
        list(APPEND linked ${location})
    endforeach()
    # The C++ runtime and the C library, whose package holds libm too.
    foreach(runtime libstdc++.so.6 libgcc_s.so.1 libc.so.6)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                        OUTPUT_VARIABLE location OUTPUT_STRIP_TRAILING_WHITESPACE)
        list(APPEND linked ${location})
    endforeach()
    foreach(library ${linked})
        append_package_holding(${library})
    endforeach()
endif()

# cpack dates every file and archive of the package by the last commit.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDate.cmake)

include(CPack)
