# The patch set chooser on its own, and in the main window.
if(TARGET ondrel_patches)
    ondrel_add_test(tst_chooser LABEL chooser SOURCES tst_chooser.cpp LIBS ondrel_patches)
endif()
if(TARGET ondrel_app AND TARGET ondrel_patches)
    ondrel_add_test(tst_choosermain LABEL chooser
        SOURCES tst_choosermain.cpp LIBS ondrel_app)
    set_tests_properties(tst_choosermain PROPERTIES LABELS "chooser;mainwindow")
endif()
# Choosing a script and a drum kit in the real program, read from a JACK port.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_patches LABEL e2e
        SOURCES e2e/tst_e2e_patches.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_patches PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_patches PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>"
        ONDREL_SOURCE="${PROJECT_SOURCE_DIR}")
    add_dependencies(tst_e2e_patches ondrel)
    set_tests_properties(tst_e2e_patches PROPERTIES ENVIRONMENT "" LABELS "e2e;chooser")
endif()
# Program and bank fields and the patch box of the main window.
if(TARGET ondrel_app)
    ondrel_add_test(tst_programfields LABEL chooser SOURCES tst_programfields.cpp LIBS ondrel_app)
    set_tests_properties(tst_programfields PROPERTIES LABELS "chooser;mainwindow")
endif()
