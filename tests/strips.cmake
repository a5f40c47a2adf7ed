# Picture strips, arrows, the moving hint and the small controls, with real mouse and key events.
if(TARGET ondrel_controls)
    ondrel_add_test(tst_strips LABEL strips
        SOURCES tst_strips.cpp LIBS ondrel_controls)
endif()
