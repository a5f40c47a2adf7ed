# Custom chords: the list and its storage, and the chord editor on the offscreen platform.
ondrel_add_test(tst_chordlist LABEL chords
    SOURCES tst_chordlist.cpp LIBS ondrel_core)
if(TARGET ondrel_chords)
    ondrel_add_test(tst_chordedit LABEL chords
        SOURCES tst_chordedit.cpp LIBS ondrel_chords)
endif()
# The main window's chord box and its chord editor, against a JACK server of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_mainchords LABEL chords
        SOURCES tst_mainchords.cpp
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_mainchords PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The real program under Xvfb: a chord defined in the editor and played from the chord box.
ondrel_add_e2e_test(tst_e2e_chords LABELS chords LIBS ondrel_core)
