# The main window against a JACK server of the test's own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_mainwindow LABEL mainwindow
        SOURCES tst_mainwindow.cpp jackfixture.cpp jackfixture.h
        LIBS ondrel_app PkgConfig::JACK)
    target_include_directories(tst_mainwindow PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
