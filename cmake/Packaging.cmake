# Installs the game where desktops look for it and packs it as a .deb.
include(GNUInstallDirs)

# Qt comes from the system's library directories; a search path of the
# program's own would only let stray libraries beside it take their place.
set_target_properties(vorodara PROPERTIES INSTALL_RPATH "")
install(TARGETS vorodara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/vorodara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/vorodara.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorodara)
set(CPACK_PACKAGE_CONTACT "VorOdAra developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Game of Go on a board of any size, drawn and read back in pixels")
set(CPACK_PACKAGE_DESCRIPTION "A game of Go in one window, for two players at one mouse \
or one player against the computer, on a board of any number of columns and rows.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)

# The prompts and captions are Chinese; Qt finds no glyphs without a CJK font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-droid-fallback | fonts-noto-cjk | fonts-wqy-microhei")
# Qt's own button texts in the user's language, and the computer's beep
# played through the desktop's sound server rather than straight to ALSA.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libcanberra-pulse")

find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), \
libcanberra0 (>= 0.30), libasound2 (>= 1.0.16)")
endif()

include(CPack)
