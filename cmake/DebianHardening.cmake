# Debian's hardening flags, as dpkg-buildflags gives them with
# hardening=+all: _FORTIFY_SOURCE, the stack protector, format checks, full
# RELRO and immediate binding. Asked of dpkg-buildflags at configure time so
# they follow Debian; its -g, -O2 and -ffile-prefix-map are left to the build
# type. Only for optimised builds without sanitizers: _FORTIFY_SOURCE wants
# optimisation (glibc warns otherwise, and our warnings are errors) and does
# not mix with AddressSanitizer.
function(brinox_debian_hardening)
    if(BRINOX_FUZZ OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
       OR CMAKE_CXX_FLAGS MATCHES "-fsanitize")
        return()
    endif()
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(NOT DPKG_BUILDFLAGS)
        message(WARNING "dpkg-buildflags (dpkg-dev) is missing: built without Debian's hardening")
        return()
    endif()
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*)$")
        set(${kind} ${flags})
    endforeach()
    add_compile_options(${CPPFLAGS} ${CXXFLAGS})
    add_link_options(${LDFLAGS})
    message(STATUS "Debian hardening: ${CPPFLAGS} ${CXXFLAGS} ${LDFLAGS}")
endfunction()
brinox_debian_hardening()
