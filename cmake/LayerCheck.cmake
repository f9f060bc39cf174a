# The include rule of the layers (see ARCHITECTURE.md): a folder includes
# only its own files and those of the folders below it. Lowest first:
#   engine, platform, settings, scores, ui, app
# with server beside scores (engine, settings and scores only; it links no Qt,
# so the Qt dialogs of scores/ stay out of its reach). tools/, bench/ and
# tests/ sit above everything and are not checked.
#
# Run as a build step (cmake -P) before anything compiles, and again whenever a
# source file of these folders changes: a new upward include fails the build.
#   cmake -DSOURCE_ROOT=<repo> -P LayerCheck.cmake
if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

set(brinox_may_include_engine engine)
set(brinox_may_include_platform engine platform)
set(brinox_may_include_settings engine platform settings)
set(brinox_may_include_scores engine platform settings scores)
set(brinox_may_include_ui engine platform settings scores ui)
set(brinox_may_include_app engine platform settings scores ui app)
set(brinox_may_include_server engine settings scores server)

# Known exceptions, "<file> -> <included file>". Each one is a debt with a
# plan; remove its line with the include.
set(brinox_layer_exceptions)

# Appends to `out` one line per include of `file` (relative to `root`, in
# folder `dir`) that breaks the rule.
function(brinox_check_includes root dir file out)
    set(found ${${out}})
    # A bare name is a file of the including file's own folder (a wing of a layer included).
    get_filename_component(fileDir ${file} DIRECTORY)
    file(STRINGS ${root}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
            continue()
        endif()
        set(quote ${CMAKE_MATCH_1})
        set(included ${CMAKE_MATCH_2})
        set(problem "")
        if(included MATCHES "^([A-Za-z0-9_]+)/")
            set(top ${CMAKE_MATCH_1})
            if(IS_DIRECTORY ${root}/${top} AND NOT top IN_LIST brinox_may_include_${dir})
                set(problem "runs upward or sideways")
            endif()
        elseif(included MATCHES "\\.\\.")
            set(problem "leaves its folder by a relative path")
        elseif(quote STREQUAL "\"" AND NOT EXISTS ${root}/${fileDir}/${included})
            # Found through an include path: a file of another folder without
            # the folder's name, which would hide the layer it comes from.
            set(problem "is not a file of ${fileDir}/: write \"<folder>/${included}\"")
        endif()
        if(problem AND NOT "${file} -> ${included}" IN_LIST brinox_layer_exceptions)
            list(APPEND found "  ${file}: ${included} ${problem}")
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    set(violations "")
    foreach(dir engine platform settings scores ui app server)
        file(GLOB_RECURSE files RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/${dir}/*.h ${SOURCE_ROOT}/${dir}/*.cpp)
        foreach(file IN LISTS files)
            brinox_check_includes(${SOURCE_ROOT} ${dir} ${file} violations)
        endforeach()
    endforeach()
    if(violations)
        list(JOIN violations "\n" text)
        message(FATAL_ERROR "Includes against the layers (ARCHITECTURE.md):\n${text}")
    endif()
endif()

if(CMAKE_SCRIPT_MODE_FILE)
    return()
endif()

# The same rule for the libraries (a target may link only the targets of its
# own and lower folders), and the plain libraries link no Qt at all.
set(brinox_link_exceptions)
set(brinox_plain_libraries brinox_engine brinox_settings brinox_scores brinox_ui_core
    brinox_rank_core)

# The folder (engine ... server) a project target is defined in, or "".
function(brinox_target_folder target out)
    set(folder "")
    if(TARGET ${target})
        get_target_property(imported ${target} IMPORTED)
        if(NOT imported)
            get_target_property(dir ${target} SOURCE_DIR)
            file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
        endif()
    endif()
    set(${out} ${folder} PARENT_SCOPE)
endfunction()

# Appends to `out` the Qt targets that `target` links, directly or through
# project libraries.
function(brinox_qt_closure target out)
    set(found ${${out}})
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(link IN LISTS links)
        if(link MATCHES "^Qt6::")
            list(APPEND found "${target} -> ${link}")
        elseif(TARGET ${link})
            get_target_property(imported ${link} IMPORTED)
            if(NOT imported)
                brinox_qt_closure(${link} found)
            endif()
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Configure-time checks of what the CMake files decide: the link graph, and that
# every .cpp file of the program's folders is built by some target of its folder
# (a file left out would silently be dead code, or a link error later).
function(brinox_check_layers)
    set(problems "")
    foreach(folder engine platform settings scores ui app server tools)
        get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
        set(built "")
        foreach(target IN LISTS targets)
            get_target_property(type ${target} TYPE)
            if(type STREQUAL "UTILITY")
                continue()
            endif()
            get_target_property(sources ${target} SOURCES)
            foreach(source IN LISTS sources)
                get_filename_component(source ${source} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR}/${folder})
                list(APPEND built ${source})
            endforeach()
            if(folder STREQUAL "tools")
                continue()
            endif()
            get_target_property(links ${target} LINK_LIBRARIES)
            foreach(link IN LISTS links)
                brinox_target_folder("${link}" linked)
                if(linked AND NOT linked IN_LIST brinox_may_include_${folder}
                   AND NOT "${target} -> ${link}" IN_LIST brinox_link_exceptions)
                    list(APPEND problems "  ${target} (${folder}/) links ${link} (${linked}/)")
                endif()
            endforeach()
        endforeach()
        if(BRINOX_GUI)
            file(GLOB_RECURSE present ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
            foreach(file IN LISTS present)
                if(NOT file IN_LIST built)
                    file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${file})
                    list(APPEND problems "  ${name} is in no target of ${folder}/CMakeLists.txt")
                endif()
            endforeach()
        endif()
    endforeach()
    foreach(library IN LISTS brinox_plain_libraries)
        if(TARGET ${library})
            set(qt "")
            brinox_qt_closure(${library} qt)
            foreach(link IN LISTS qt)
                list(APPEND problems "  plain library ${library} reaches Qt: ${link}")
            endforeach()
        endif()
    endforeach()
    if(problems)
        list(REMOVE_DUPLICATES problems)
        list(JOIN problems "\n" text)
        message(FATAL_ERROR "Targets against the layers (ARCHITECTURE.md):\n${text}")
    endif()

    # The includes change with the sources, which do not re-run the configure:
    # they are checked by a build step that runs on every build, before
    # anything of the engine (and so of everything) is compiled.
    add_custom_target(brinox_layer_check ALL
        COMMAND ${CMAKE_COMMAND} -DSOURCE_ROOT=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Checking the includes against the layers"
        VERBATIM)
    add_dependencies(brinox_engine brinox_layer_check)
endfunction()
