# SPDX-License-Identifier: GPL-3.0-or-later
# Where Debian puts games: the program in games/, the decoder module (FFmpeg, loaded on first
# need) in lib/games/tumblix, its data in share/games/tumblix, the menu
# entry, icons, AppStream file and manual page where the desktop looks for them, the licence
# (GPL-3.0-or-later, COPYING) in the package's copyright file.
set(TUMBLIX_ID io.github.tumblix.Tumblix)
set(TUMBLIX_DATA share/games/tumblix)
install(TARGETS tumblix RUNTIME DESTINATION games)
install(TARGETS tumblix_decoder LIBRARY DESTINATION lib/games/tumblix)
install(DIRECTORY ${TUMBLIX_GAME_DIR}/sound DESTINATION ${TUMBLIX_DATA})
install(FILES ${TUMBLIX_GAME_DIR}/alsoft.conf DESTINATION ${TUMBLIX_DATA})
install(FILES ${CMAKE_BINARY_DIR}/src/base/tumblix_en.qm DESTINATION ${TUMBLIX_DATA}/translations)
install(FILES desktop/${TUMBLIX_ID}.desktop DESTINATION share/applications)
install(FILES desktop/${TUMBLIX_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES desktop/tumblix.6 DESTINATION share/man/man6)
install(FILES desktop/copyright DESTINATION share/doc/tumblix)
install(FILES ${TUMBLIX_ICON_DIR}/tumblix.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${TUMBLIX_ID}.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES ${TUMBLIX_ICON_DIR}/tumblix-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TUMBLIX_ID}.png)
endforeach()

# A Debian package: ./scripts/package.sh. Its dependencies come from the binaries (the game's
# and the decoder module's, which brings in FFmpeg's libraries).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tumblix)
set(CPACK_PACKAGE_VENDOR "Tumblix")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGE_CONTACT "Tumblix developers <tumblix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling-blocks puzzle with figures of up to sixteen squares")
set(CPACK_PACKAGE_DESCRIPTION
    "Figures of up to sixteen squares fall into a well 15 columns wide and 31 rows deep; move, \
rotate, drop and invert them. With Tumblix bonus figures, a ghost figure, a best-players table, \
sounds and music, an MP3 player and a figure-sequence editor. The game's texts are in Russian and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL is loaded at run time for the gamepad, so the binary does not name it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libsdl2-2.0-0")
include(CPack)
