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
        SOURCES tst_mainchords.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_app PkgConfig::JACK)
    target_include_directories(tst_mainchords PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
