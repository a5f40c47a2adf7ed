# What a played note costs the main window on screen (the repaints it causes).
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_repaintcost LABEL mainwindow
        SOURCES tst_repaintcost.cpp LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_repaintcost PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
