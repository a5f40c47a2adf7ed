# What the main window costs while idle (no timers) and while played (the repaints a note causes).
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_windowcost LABEL mainwindow
        SOURCES tst_windowcost.cpp LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_windowcost PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
