# Run by CPack on the staged files before it builds the Debian package.
#
# A package of section games keeps its programs in /usr/games; a plain install
# keeps them in bin/, which is on the user's PATH. Both lie one level below the
# prefix, so the paths the launcher and the program compute from their own
# place (../share/brinox2000, ../lib/brinox2000) hold in either.
#
# The package's library dependencies are read here with dpkg-shlibdeps rather
# than by CPack's own step, which would also put ldconfig into the maintainer
# scripts for any shared object under /usr/lib, although the device module there
# is private to the game and never in the linker's path.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(RENAME "${root}/${CPACK_BRINOX_BINDIR}" "${root}/games")

file(GLOB_RECURSE elf_files LIST_DIRECTORIES false "${root}/games/*-bin" "${root}/lib/*.so")
# The compiler's version notes, which Debian's own stripping drops as well.
foreach(file ${elf_files})
    execute_process(COMMAND objcopy --remove-section=.comment ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
list(TRANSFORM elf_files PREPEND "-e")
set(shlibdeps_dir "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
# dpkg-shlibdeps insists on a debian/control beside it, though it reads nothing from it.
file(WRITE "${shlibdeps_dir}/debian/control" "")
execute_process(
    COMMAND dpkg-shlibdeps -O ${elf_files}
    WORKING_DIRECTORY "${shlibdeps_dir}"
    OUTPUT_VARIABLE shlibdeps
    RESULT_VARIABLE failed
    ERROR_VARIABLE errors)
file(REMOVE_RECURSE "${shlibdeps_dir}")
if(failed OR NOT shlibdeps MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed in ${root}: ${errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
