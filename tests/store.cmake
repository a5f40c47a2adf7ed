ondrel_add_test(tst_store LABEL store
    SOURCES tst_store.cpp LIBS ondrel_core)
