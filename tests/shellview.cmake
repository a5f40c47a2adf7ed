ondrel_add_test(tst_shellview LABEL shellview
    SOURCES tst_shellview.cpp LIBS ondrel_shellview)
