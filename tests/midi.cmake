# MIDI devices against a JACK server of the test's own (jackd with the dummy driver).
if(TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_midi LABEL midi
        SOURCES tst_midi.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_midi PkgConfig::JACK)
    target_include_directories(tst_midi PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
