# Custom chords: the list and its storage, and the chord editor on the offscreen platform.
ondrel_add_test(tst_chordlist LABEL chords
    SOURCES tst_chordlist.cpp LIBS ondrel_core)
if(TARGET ondrel_chords)
    ondrel_add_test(tst_chordedit LABEL chords
        SOURCES tst_chordedit.cpp LIBS ondrel_chords)
endif()
