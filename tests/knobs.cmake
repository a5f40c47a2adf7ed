# The rotary knob, the knob list and its storage, and the knob bar.
if(TARGET ondrel_controls)
    ondrel_add_test(tst_wheel LABEL knobs SOURCES tst_wheel.cpp LIBS ondrel_controls)
endif()
if(TARGET ondrel_core)
    ondrel_add_test(tst_knoblist LABEL knobs SOURCES tst_knoblist.cpp LIBS ondrel_core)
endif()
if(TARGET ondrel_knobs)
    ondrel_add_test(tst_knobbar LABEL knobs SOURCES tst_knobbar.cpp LIBS ondrel_knobs)
endif()
# The knob bar wired into the main window, against a JACK server of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_knobwiring LABEL mainwindow
        SOURCES tst_knobwiring.cpp
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_knobwiring PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
