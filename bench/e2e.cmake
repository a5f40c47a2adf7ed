# End-to-end figures of the real program under Xvfb and a JACK server of the probe's own:
# start-up, memory, idle wake-ups, XTest keys to JACK, MIDI thru and bursts. Run by run.sh.
find_package(X11 COMPONENTS Xtst)
if(TARGET ondrel AND TARGET ondrel_midi AND TARGET PkgConfig::JACK AND TARGET X11::Xtst)
    ondrel_add_bench(ondrel_probe
        SOURCES e2e_probe.cpp ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
            ${PROJECT_SOURCE_DIR}/tests/e2e/xserver.cpp
        LIBS ondrel_midi PkgConfig::JACK PkgConfig::RTMIDI Qt6::Core X11::X11 X11::Xtst)
    target_include_directories(ondrel_probe PRIVATE ${PROJECT_SOURCE_DIR}/tests
        ${PROJECT_SOURCE_DIR}/tests/e2e)
    add_dependencies(ondrel_probe ondrel)
endif()

# A bare Qt Widgets window played like the program: the floor of the CPU a keystroke costs.
if(TARGET Qt6::Widgets)
    add_executable(ondrel_qt_floor qt_floor.cpp)
    target_link_libraries(ondrel_qt_floor PRIVATE Qt6::Widgets)
endif()
