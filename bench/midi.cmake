# MIDI through JACK: input-to-handler latency and output send cost, each beside the bare RtMidi
# ports in the same run. Starts its own JACK server (dummy driver, 128 frames at 48 kHz).
if(TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    ondrel_add_bench(midi_bench
        SOURCES midi_bench.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
        LIBS ondrel_midi PkgConfig::JACK PkgConfig::RTMIDI Qt6::Core)
    target_include_directories(midi_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endif()
# The program's own time in JACK's process callback per period, thru at 10 000 messages a
# second and keys played meanwhile.
if(TARGET ondrel_router AND TARGET PkgConfig::JACK)
    ondrel_add_bench(callback_bench
        SOURCES callback_bench.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
        LIBS ondrel_router PkgConfig::JACK Qt6::Core Qt6::Test ${CMAKE_DL_LIBS})
    target_include_directories(callback_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set_target_properties(callback_bench PROPERTIES ENABLE_EXPORTS ON)
endif()
