# The real program's command line: what it refuses, and two keyboards with profiles of their own
# playing two synthesizers (Xvfb, xdotool, a JACK server of the test's own).
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_cmdline LABEL e2e
        SOURCES e2e/tst_e2e_cmdline.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_cmdline PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_cmdline PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_cmdline ondrel)
    set_tests_properties(tst_e2e_cmdline PROPERTIES ENVIRONMENT "" LABELS "e2e;mainwindow")
endif()
