# Custom chords: the list and its storage.
ondrel_add_test(tst_chordlist LABEL chords
    SOURCES tst_chordlist.cpp LIBS ondrel_core)
