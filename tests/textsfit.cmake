# Texts of the dialogs, the patch box and the knob bar fit their controls: at scale 1, with
# everything twice as large, with the fonts of a 144 dpi screen, and in German, French and
# Spanish.
if(TARGET ondrel_app AND TARGET ondrel_dialogs)
    ondrel_add_test(tst_textsfit LABEL dialogs SOURCES tst_textsfit.cpp LIBS ondrel_app)
    foreach(_variant "x2;QT_SCALE_FACTOR=2" "dpi144;QT_FONT_DPI=144" "de;ONDREL_TEST_LANGUAGE=de"
            "fr;ONDREL_TEST_LANGUAGE=fr" "es;ONDREL_TEST_LANGUAGE=es")
        list(GET _variant 0 _suffix)
        list(GET _variant 1 _setting)
        add_test(NAME tst_textsfit_${_suffix} COMMAND tst_textsfit)
        set_tests_properties(tst_textsfit_${_suffix} PROPERTIES LABELS dialogs TIMEOUT 300
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${_setting}")
    endforeach()
endif()
