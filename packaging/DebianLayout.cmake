# Run by CPack on the staged files before it builds the Debian packages; each
# component is staged in a folder of its own.
#
# A package of section games keeps its programs in /usr/games; a plain install
# keeps them in bin/, which is on the user's PATH. Both lie one level below the
# prefix, so the paths the launcher and the program compute from their own
# place (../share/brinox2000, ../lib/brinox2000) hold in either.
#
# The packages' library dependencies are read here with dpkg-shlibdeps rather
# than by CPack's own step, which would also put ldconfig into the maintainer
# scripts for any shared object under /usr/lib, although the game's device
# module there is private to the game and never in the linker's path.
cmake_policy(SET CMP0057 NEW)  # IN_LIST; CPack runs this script without a project's policies
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

# Drops the compiler's version notes, which Debian's own stripping drops as
# well, and adds the libraries the files need to the component's Depends.
function(brinox_shlibdeps component)
    foreach(file ${ARGN})
        execute_process(COMMAND objcopy --remove-section=.comment ${file} COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    list(TRANSFORM ARGN PREPEND "-e" OUTPUT_VARIABLE elf_options)
    set(shlibdeps_dir "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
    # dpkg-shlibdeps insists on a debian/control beside it, though it reads nothing from it.
    file(WRITE "${shlibdeps_dir}/debian/control" "")
    execute_process(
        COMMAND dpkg-shlibdeps -O ${elf_options}
        WORKING_DIRECTORY "${shlibdeps_dir}"
        OUTPUT_VARIABLE shlibdeps
        RESULT_VARIABLE failed
        ERROR_VARIABLE errors)
    file(REMOVE_RECURSE "${shlibdeps_dir}")
    if(failed OR NOT shlibdeps MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps failed on ${ARGN}: ${errors}")
    endif()
    set(depends CPACK_DEBIAN_${component}_PACKAGE_DEPENDS)
    set(${depends} "${CMAKE_MATCH_1}, ${${depends}}" PARENT_SCOPE)
endfunction()

set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if("game" IN_LIST CPACK_COMPONENTS_ALL)
    set(root "${staged}/game${CPACK_PACKAGING_INSTALL_PREFIX}")
    file(RENAME "${root}/${CPACK_BRINOX_BINDIR}" "${root}/games")
    file(GLOB_RECURSE elf_files LIST_DIRECTORIES false "${root}/games/*-bin" "${root}/lib/*.so")
    brinox_shlibdeps(GAME ${elf_files})
endif()
if("server" IN_LIST CPACK_COMPONENTS_ALL)
    brinox_shlibdeps(SERVER
        "${staged}/server${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_BRINOX_BINDIR}/brinox-rank")
endif()
