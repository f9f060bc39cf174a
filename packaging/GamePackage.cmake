# Installing the game on a Linux desktop: the program and its launcher in
# bin/ (games/ in the Debian package), its device module in lib/brinox2000/, the pictures, sounds
# and help file in share/brinox2000/, the desktop entry, its icons, the AppStream metainfo, the
# manual page, the copyright file and the changelog; and the Debian package.
if(NOT BRINOX_GUI)
    return()
endif()
include(GNUInstallDirs)

set(BRINOX_PROGRAM_NAME brinox2000-bin)
set(data_dir ${CMAKE_INSTALL_DATADIR}/brinox2000)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/brinox2000)
# The launcher finds the data relative to itself, so any prefix works.
file(RELATIVE_PATH BRINOX_DATA_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${data_dir})
configure_file(brinox2000.sh.in ${CMAKE_CURRENT_BINARY_DIR}/brinox2000 @ONLY)
configure_file(app.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.desktop @ONLY)
configure_file(app.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.metainfo.xml
               @ONLY)
configure_file(copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)

# The manual page and the changelog, compressed as Debian wants them: gzip -9
# without a name or time stamp, so every build gives the same bytes.
set(man_page ${CMAKE_CURRENT_BINARY_DIR}/brinox2000.6)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
configure_file(brinox2000.6 ${man_page} @ONLY)
configure_file(changelog.in ${changelog} @ONLY)
foreach(text ${man_page} ${changelog})
    add_custom_command(OUTPUT ${text}.gz
        COMMAND gzip -9nkf ${text}
        DEPENDS ${text}
        VERBATIM)
endforeach()
add_custom_target(brinox_docs ALL DEPENDS ${man_page}.gz ${changelog}.gz)
# The program has the launcher's page: one page tells of both.
file(CREATE_LINK brinox2000.6.gz ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_PROGRAM_NAME}.6.gz SYMBOLIC)

install(PROGRAMS $<TARGET_FILE:brinox2000> DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME ${BRINOX_PROGRAM_NAME})
# Only install(TARGETS) honours --strip and CPACK_STRIP_FILES; the renamed
# program is stripped here in the same way.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${BRINOX_PROGRAM_NAME}\")
endif()")
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/brinox2000 DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS brinox2000-devices LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/brinox2000)
set(game_dir ${CMAKE_BINARY_DIR}/game)
install(DIRECTORY ${game_dir}/graph ${game_dir}/snd DESTINATION ${data_dir})
install(FILES ${game_dir}/brinox.hlp DESTINATION ${data_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${man_page}.gz ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_PROGRAM_NAME}.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${changelog}.gz DESTINATION ${doc_dir})
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${BRINOX_APP_ID}.png)
endforeach()

set(CPACK_PACKAGE_NAME brinox2000)
set(CPACK_PACKAGE_VENDOR "The Brinox 2000 team")
set(CPACK_PACKAGE_CONTACT "The Brinox 2000 team <${BRINOX_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "falling-block puzzle game with four modes and a World Championship")
# Debian shows the description as it stands: lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Move and turn the falling pieces, fill whole rows to clear them and play\n"
    "through 20 levels that get faster and faster. Quadel plays with the seven\n"
    "pieces of four blocks, Quinel adds pieces of three and five blocks.\n"
    "\n"
    "Four modes: Classic; Timer, with a countdown that cleared rows lengthen;\n"
    "Rising, with rows of random blocks pushed in from below; and World\n"
    "Championship, whose best results can be sent to a result server and\n"
    "ranked in a world Top 10. Bombs, redefinable keys, fourteen block sets,\n"
    "saved games and best-score tables for every game type and mode.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BRINOX_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
# Moves the programs to usr/games and adds the shared libraries that
# dpkg-shlibdeps finds to these, which it cannot see: a font for the dialogs,
# xdg-open for the web links, libcurl, which the game opens only when it sends
# or fetches a table, and Qt's Wayland plugin, which Qt loads by name on a
# Wayland session.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-dejavu-core, xdg-utils, libcurl4, qt6-wayland")
set(CPACK_BRINOX_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianLayout.cmake)
set(CPACK_GENERATOR DEB)
include(CPack)
