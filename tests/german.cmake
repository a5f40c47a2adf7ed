# The main window and the dialogs in German show no English leftover.
if(TARGET ondrel_app)
    ondrel_add_test(tst_german LABEL dialogs SOURCES tst_german.cpp LIBS ondrel_app)
endif()
