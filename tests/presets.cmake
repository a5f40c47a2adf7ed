# Knob presets, snapshots and the knob setup dialog.
if(TARGET ondrel_knobs)
    ondrel_add_test(tst_knobedit LABEL presets SOURCES tst_knobedit.cpp modalanswers.h
        LIBS ondrel_knobs)
endif()
# The Knobs menu of the main window, snapshots heard at a JACK peer of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_presets LABEL presets
        SOURCES tst_presets.cpp modalanswers.h
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_presets PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
