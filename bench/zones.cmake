# The arpeggiator's timing at a JACK receiver: own tempo, JACK transport and MIDI clock. Starts
# its own JACK server (dummy driver, 128 frames at 48 kHz).
if(TARGET ondrel_router AND TARGET PkgConfig::JACK)
    ondrel_add_bench(arp_bench
        SOURCES arp_bench.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
        LIBS ondrel_router PkgConfig::JACK Qt6::Core Qt6::Test)
    target_include_directories(arp_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endif()
