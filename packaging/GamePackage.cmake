# The game's install rules, component "game": the program and its launcher
# in bin/ (games/ in the Debian package), its device module in
# lib/brinox2000/, the pictures, sounds and help file in share/brinox2000/, the
# desktop entry, its icons, the AppStream metainfo, the manual page, the
# copyright file and the changelog.
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
        RENAME ${BRINOX_PROGRAM_NAME} COMPONENT game)
# Only install(TARGETS) honours --strip and CPACK_STRIP_FILES; the renamed
# program is stripped here in the same way.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${BRINOX_PROGRAM_NAME}\")
endif()"
    COMPONENT game)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/brinox2000 DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(TARGETS brinox2000-devices LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/brinox2000 COMPONENT game)
set(game_dir ${CMAKE_BINARY_DIR}/game)
install(DIRECTORY ${game_dir}/graph ${game_dir}/snd DESTINATION ${data_dir} COMPONENT game)
install(FILES ${game_dir}/brinox.hlp DESTINATION ${data_dir} COMPONENT game)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
install(FILES ${man_page}.gz ${CMAKE_CURRENT_BINARY_DIR}/${BRINOX_PROGRAM_NAME}.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${changelog}.gz DESTINATION ${doc_dir} COMPONENT game)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${BRINOX_APP_ID}.png COMPONENT game)
endforeach()

