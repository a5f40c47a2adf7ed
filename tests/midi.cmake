# MIDI devices against a JACK server of the test's own (jackd with the dummy driver).
if(TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_midi LABEL midi THREADS
        SOURCES tst_midi.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_midi PkgConfig::JACK)
    target_include_directories(tst_midi PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The engine end to end: thru, Panic and closing as a JACK receiver hears them.
if(TARGET ondrel_router AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_engine LABEL midi THREADS
        SOURCES tst_engine.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_router PkgConfig::JACK)
    target_include_directories(tst_engine PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The JACK process callback counted for allocator, lock and blocking calls (none allowed). It
# replaces the C library's entry points, which the sanitizer builds do themselves.
if(TARGET ondrel_router AND TARGET ondrel_takes AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_rtcallback LABEL midi
        SOURCES tst_rtcallback.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_router ondrel_takes PkgConfig::JACK ${CMAKE_DL_LIBS})
    target_include_directories(tst_rtcallback PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    set_target_properties(tst_rtcallback PROPERTIES ENABLE_EXPORTS ON)
endif()
