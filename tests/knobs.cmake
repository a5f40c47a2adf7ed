# The rotary knob, the knob list and its storage, and the knob bar.
if(TARGET ondrel_controls)
    ondrel_add_test(tst_wheel LABEL knobs SOURCES tst_wheel.cpp LIBS ondrel_controls)
endif()
if(TARGET ondrel_core)
    ondrel_add_test(tst_knoblist LABEL knobs SOURCES tst_knoblist.cpp LIBS ondrel_core)
endif()
