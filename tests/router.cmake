# The routing rules: no window, no X server, no MIDI service.
if(TARGET ondrel_router)
    ondrel_add_test(tst_router LABEL router THREADS SOURCES tst_router.cpp LIBS ondrel_router)
endif()
