# The velocity control, the pedals, the labels and the scale in the real main window, against a
# JACK server of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_mainexpression LABEL mainwindow
        SOURCES tst_mainexpression.cpp
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_mainexpression PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
