# The main window against a JACK server of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_mainwindow LABEL mainwindow
        SOURCES tst_mainwindow.cpp
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_mainwindow PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()

# Patch sets in the main window (no MIDI service needed).
if(TARGET ondrel_app)
    ondrel_add_test(tst_patchselection LABEL mainwindow
        SOURCES tst_patchselection.cpp LIBS ondrel_app)
endif()
