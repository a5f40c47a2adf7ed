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
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_chords LABEL e2e
        SOURCES e2e/tst_e2e_chords.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS ondrel_core PkgConfig::JACK)
    target_include_directories(tst_e2e_chords PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_chords PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_chords ondrel)
    set_tests_properties(tst_e2e_chords PROPERTIES ENVIRONMENT "" LABELS "chords;e2e")
endif()
