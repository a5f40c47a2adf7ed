# The MIDI device menus against a JACK server of the test's own (jackd with the dummy driver).
if(TARGET ondrel_midimenu AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_midimenu LABEL menus THREADS
        SOURCES tst_midimenu.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_midimenu PkgConfig::JACK)
    target_include_directories(tst_midimenu PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
