# brinox_add_areas(<what> <areas> <other folders>)
# Adds the sub-folder of each area. Stops the configure when an area has no
# CMakeLists.txt or a sub-folder is neither an area nor one of <other folders>:
# either would silently leave its programs out of the build.
function(brinox_add_areas what areas others)
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(entry ${entries})
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${entry}
           AND NOT entry IN_LIST areas AND NOT entry IN_LIST others)
            message(FATAL_ERROR "${what}: folder ${entry} is not in the list of areas "
                                "in ${CMAKE_CURRENT_LIST_FILE}")
        endif()
    endforeach()
    foreach(area ${areas})
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/CMakeLists.txt)
            message(FATAL_ERROR "${what}: folder ${area} has no CMakeLists.txt "
                                "(${CMAKE_CURRENT_SOURCE_DIR}/${area})")
        endif()
        add_subdirectory(${area})
    endforeach()
endfunction()

# brinox_add_test(NAME <target> SOURCES <files...> LIBS <libs...> [GUI] [OWN_MAIN])
# A GoogleTest executable whose tests are listed at test time, so that GUI
# test binaries are never started during the build.
function(brinox_add_test)
    cmake_parse_arguments(T "GUI;OWN_MAIN" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    brinox_warnings(${T_NAME})
    if(T_OWN_MAIN)
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    else()
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    endif()
    # Each test carries its folder's name as label (ctest -L engine).
    get_filename_component(area ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(properties LABELS ${area})
    if(T_GUI)
        list(APPEND properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ${properties}
        DISCOVERY_TIMEOUT 60)
endfunction()
