# The program kit: one call declares a program of the folder it is made in.
#
# add_program(<Name>
#     [CORE <sources>...]          portable core, library <folder>_core (built natively too)
#     [CORE_LINKS <libraries>...]  what the core links
#     [CORE_TESTS <sources>...]    native GoogleTest executable <folder>_core_tests
#     SOURCES <sources>...         window code, library <folder>_lib (tests link it too)
#     [LINKS <libraries>...]       what the window code links besides the core
#     [MAIN <sources>...]          the executable's own sources (its WinMain)
#     [ENTRY <libraries>...]       a framework's entry and library instead of MAIN; the
#                                  framework calls back into <folder>_lib
#     [RC <script>]                resources, compiled into the executable and the tests
#     [TESTS <sources>...]         the Wine GoogleTest executable <folder>_tests
#     [TESTS_CALL_MAIN]            the Wine tests compile MAIN too, so that they can call
#                                  the program's WinMain (their own main is gtest_main's)
#     [TEST_PROGRAMS <Names>...]   other programs the tests start; <NAME>_EXE names each
#                                  program's file for the tests, the own one included
#     STARTUP_CLASS <class>        the main window class the start-up check waits for
#     [BENCH <sources>...])        <folder>_bench, built on demand by `scripts/bench <folder>`
#
# Under Windows it also adds the start-up check <folder>_startup, which starts the real
# executable and closes it as a user would, and <Name>_pe_format, which checks that the
# executable is a GUI program of the architecture it was built for.
function(add_program name)
    cmake_parse_arguments(
        PARSE_ARGV 1 arg "TESTS_CALL_MAIN" "RC;STARTUP_CLASS"
        "CORE;CORE_LINKS;CORE_TESTS;SOURCES;LINKS;MAIN;ENTRY;TESTS;TEST_PROGRAMS;BENCH")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "add_program(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    # Checked in every configuration, so that a native configure already says what is missing.
    foreach(required SOURCES STARTUP_CLASS)
        if(NOT arg_${required})
            message(FATAL_ERROR "add_program(${name}): ${required} is missing")
        endif()
    endforeach()
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)

    if(arg_CORE)
        add_library(${folder}_core STATIC ${arg_CORE})
        target_include_directories(${folder}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${folder}_core PUBLIC ${arg_CORE_LINKS})
        if(arg_CORE_TESTS)
            add_executable(${folder}_core_tests ${arg_CORE_TESTS})
            target_link_libraries(${folder}_core_tests PRIVATE ${folder}_core gtest_main)
            add_test(NAME ${folder}_core_tests COMMAND ${folder}_core_tests)
        endif()
    endif()
    if(NOT WIN32)
        return()
    endif()

    set(lib ${folder}_lib)
    add_library(${lib} STATIC ${arg_SOURCES})
    target_include_directories(${lib} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    if(arg_CORE)
        target_link_libraries(${lib} PUBLIC ${folder}_core)
    endif()
    target_link_libraries(${lib} PUBLIC ${arg_LINKS})

    # Resources in a static library are not pulled into an executable: every executable
    # compiles the script itself.
    add_executable(${name} WIN32 ${arg_MAIN} ${arg_RC})
    # A framework's start-up refers to the program's hooks: the program's library follows it.
    target_link_libraries(${name} PRIVATE ${arg_ENTRY} ${lib})

    if(arg_TESTS)
        set(test_main)
        if(arg_TESTS_CALL_MAIN)
            set(test_main ${arg_MAIN})
        endif()
        add_executable(${folder}_tests ${arg_TESTS} ${test_main} ${arg_RC})
        target_link_libraries(${folder}_tests PRIVATE ${lib} wintest gtest_main)
        foreach(program ${name} ${arg_TEST_PROGRAMS})
            string(TOUPPER ${program} upper)
            target_compile_definitions(${folder}_tests
                                       PRIVATE ${upper}_EXE="$<TARGET_FILE:${program}>")
            add_dependencies(${folder}_tests ${program})
        endforeach()
        add_test(NAME ${folder}_tests COMMAND ${folder}_tests)
    endif()
    add_test(NAME ${folder}_startup COMMAND startcheck $<TARGET_FILE:${name}>
                                            ${arg_STARTUP_CLASS} ${folder}_startup)
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    add_test(NAME ${name}_pe_format
             COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:${name}> -DBITS=${bits} -P
                     ${PROJECT_SOURCE_DIR}/cmake/check-pe.cmake)

    if(arg_BENCH)
        add_executable(${folder}_bench EXCLUDE_FROM_ALL ${arg_BENCH} ${arg_RC})
        target_link_libraries(${folder}_bench PRIVATE ${lib} wintest)
    endif()
endfunction()
