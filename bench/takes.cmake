# Takes: the capture's cost per message, saving and reading a 30-minute take (libsmf's writer
# beside ours), the replay's timing at a JACK receiver. Starts its own JACK server.
if(TARGET ondrel_takes AND TARGET PkgConfig::JACK)
    pkg_check_modules(SMF IMPORTED_TARGET smf)
    if(SMF_FOUND)
        ondrel_add_bench(takes_bench
            SOURCES takes_bench.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
            LIBS ondrel_takes PkgConfig::JACK PkgConfig::SMF Qt6::Core)
        target_include_directories(takes_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    endif()
endif()
