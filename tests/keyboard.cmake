ondrel_add_test(tst_keyboard LABEL keyboard
    SOURCES tst_keyboard.cpp LIBS ondrel_keyboard)
