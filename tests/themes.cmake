# The desktop's palette, light and dark: texts, knobs and the piano's pictures stay readable.
if(TARGET ondrel_app)
    ondrel_add_test(tst_themes LABEL themes SOURCES tst_themes.cpp LIBS ondrel_app)
endif()
