ondrel_add_test(tst_patches LABEL patches
    SOURCES tst_patches.cpp LIBS ondrel_core)
