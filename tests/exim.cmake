# File > Export and Import on the main window, and the explanation dialog before them.
if(TARGET ondrel_app)
    ondrel_add_test(tst_exim LABEL eximport SOURCES tst_exim.cpp modalanswers.h LIBS ondrel_app)
    target_include_directories(tst_exim PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
