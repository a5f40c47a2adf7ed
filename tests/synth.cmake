# The built-in synthesizer (the Midi-Mapper), rendered without a sound card.
if(TARGET ondrel_midi)
    ondrel_add_test(tst_synth LABEL synth THREADS SOURCES tst_synth.cpp synthaudio.h
        LIBS ondrel_midi)
endif()
# The same synthesizer playing into a JACK server of the test's own (jackd with the dummy driver).
if(TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_synthjack LABEL synth THREADS
        SOURCES tst_synthjack.cpp synthaudio.h jackfixture.cpp jackfixture.h
        LIBS ondrel_midi PkgConfig::JACK)
    target_include_directories(tst_synthjack PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
