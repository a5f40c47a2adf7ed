# The patch set chooser on its own, and in the main window.
if(TARGET ondrel_patches)
    ondrel_add_test(tst_chooser LABEL chooser SOURCES tst_chooser.cpp LIBS ondrel_patches)
endif()
if(TARGET ondrel_app AND TARGET ondrel_patches)
    ondrel_add_test(tst_choosermain LABEL chooser
        SOURCES tst_choosermain.cpp LIBS ondrel_app)
    set_tests_properties(tst_choosermain PROPERTIES LABELS "chooser;mainwindow")
endif()
