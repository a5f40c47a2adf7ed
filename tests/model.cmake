ondrel_add_test(tst_keyboardmodel LABEL model
    SOURCES tst_keyboardmodel.cpp LIBS ondrel_core)
ondrel_add_test(tst_midivocabulary LABEL model
    SOURCES tst_midivocabulary.cpp LIBS ondrel_core)
