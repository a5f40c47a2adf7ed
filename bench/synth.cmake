# The built-in synthesizer: note-on to the first non-silent sample through a JACK server of its
# own (dummy driver, 128 frames at 48 kHz), the cost of opening it, of a message and of a period.
if(TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    ondrel_add_bench(synth_bench
        SOURCES synth_bench.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
        LIBS ondrel_midi PkgConfig::JACK Qt6::Core)
    target_include_directories(synth_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endif()
