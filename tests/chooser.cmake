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
ondrel_add_e2e_test(tst_e2e_patches LABELS chooser DEFINES ONDREL_SOURCE="${PROJECT_SOURCE_DIR}")
# Program and bank fields and the patch box of the main window.
if(TARGET ondrel_app)
    ondrel_add_test(tst_programfields LABEL chooser SOURCES tst_programfields.cpp LIBS ondrel_app)
    set_tests_properties(tst_programfields PROPERTIES LABELS "chooser;mainwindow")
endif()
