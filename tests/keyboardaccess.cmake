# The main window without a mouse, and what the keyboard tells a screen reader.
if(TARGET ondrel_app)
    ondrel_add_test(tst_keyboardaccess LABEL a11y SOURCES tst_keyboardaccess.cpp LIBS ondrel_app)
endif()
