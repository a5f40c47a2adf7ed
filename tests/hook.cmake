# Computer-keyboard play through the keyboard hook, the scan-code map and the key edit box.
if(TARGET ondrel_controls)
    ondrel_add_test(tst_hook LABEL hook
        SOURCES tst_hook.cpp LIBS ondrel_controls ondrel_keyboard)
endif()
