# Zones, latch and the arpeggiator: routing rules and patterns without a window or a MIDI
# service; the arpeggiator's engine driven as an output's thread drives it.
if(TARGET ondrel_router)
    ondrel_add_test(tst_arp LABEL router THREADS SOURCES tst_arp.cpp LIBS ondrel_router)
    ondrel_add_test(tst_zones LABEL router SOURCES tst_zones.cpp LIBS ondrel_router)
endif()
# The arpeggiator as a JACK receiver hears it: exact steps, JACK transport followed, nothing left
# sounding. Against a JACK server of the test's own; jack_transport (jackd2) is the master.
if(TARGET ondrel_router AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_arpjack LABEL midi THREADS
        SOURCES tst_arpjack.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_router PkgConfig::JACK)
    target_include_directories(tst_arpjack PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The real program under Xvfb: a split on two channels, a latched chord, an arpeggio following
# JACK transport, from the window and the computer keys.
ondrel_add_e2e_test(tst_e2e_zones LABELS zones)
