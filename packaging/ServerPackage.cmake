# The championship server's install rules, component "server", left out of a
# plain install (EXCLUDE_FROM_ALL): brinox-rank, the setup command, the FTP
# daemon's rules, the systemd units, the manual pages, the copyright file and
# the changelog. The files themselves live in server/daemon/.
set(daemon_dir ${PROJECT_SOURCE_DIR}/server/daemon)
set(server_docs ${CMAKE_CURRENT_BINARY_DIR}/server)
file(MAKE_DIRECTORY ${server_docs})
configure_file(copyright.in ${server_docs}/copyright @ONLY)
configure_file(server-changelog.in ${server_docs}/changelog @ONLY)
configure_file(${daemon_dir}/brinox-rank.1 ${server_docs}/brinox-rank.1 @ONLY)
configure_file(${daemon_dir}/brinox2000-server-setup.8 ${server_docs}/brinox2000-server-setup.8
               @ONLY)
set(server_gz)
foreach(text brinox-rank.1 brinox2000-server-setup.8 changelog)
    add_custom_command(OUTPUT ${server_docs}/${text}.gz
        COMMAND gzip -9nkf ${server_docs}/${text}
        DEPENDS ${server_docs}/${text}
        VERBATIM)
    list(APPEND server_gz ${server_docs}/${text}.gz)
endforeach()
add_custom_target(brinox_server_docs ALL DEPENDS ${server_gz})

set(server_install COMPONENT server EXCLUDE_FROM_ALL)
install(TARGETS brinox-rank RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${server_install})
install(PROGRAMS ${daemon_dir}/brinox2000-server-setup DESTINATION ${CMAKE_INSTALL_SBINDIR}
        ${server_install})
install(FILES ${daemon_dir}/proftpd.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/brinox2000-server
        ${server_install})
# Debian 12 keeps the units of its packages here, outside the prefix.
install(FILES ${daemon_dir}/brinox2000-ftpd.service ${daemon_dir}/brinox2000-rank.service
              ${daemon_dir}/brinox2000-rank.path ${daemon_dir}/brinox2000-rank.timer
        DESTINATION /lib/systemd/system ${server_install})
install(FILES ${server_docs}/brinox-rank.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        ${server_install})
install(FILES ${server_docs}/brinox2000-server-setup.8.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man8
        ${server_install})
install(FILES ${server_docs}/copyright ${server_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brinox2000-server ${server_install})
