# Takes: the capture, the take store, MIDI files (read back with libsmf, another program's
# reader, too) and the replay's scheduling without a MIDI service; then the replay and the
# capture against a JACK server of the test's own.
if(TARGET ondrel_takes)
    pkg_check_modules(SMF IMPORTED_TARGET smf)
    if(NOT SMF_FOUND)
        message(FATAL_ERROR "The take tests read MIDI files back with libsmf: install libsmf-dev "
                            "(scripts/deps.sh)")
    endif()
    ondrel_add_test(tst_takes LABEL takes
        SOURCES tst_takes.cpp
        LIBS ondrel_takes PkgConfig::SMF)
endif()
if(TARGET ondrel_takes AND TARGET ondrel_router AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_replay LABEL takes THREADS
        SOURCES tst_replay.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_takes ondrel_router PkgConfig::JACK)
    target_include_directories(tst_replay PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The real program: a phrase saved as a take and read back by libsmf, replayed on time; a damaged
# file refused; Panic and closing during a replay.
if(TARGET ondrel_takes)
    ondrel_add_e2e_test(tst_e2e_takes LABELS takes LIBS PkgConfig::SMF)
endif()
