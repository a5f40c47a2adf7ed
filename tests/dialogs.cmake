# The transpose and settings dialogs, alone and wired into the main window (no MIDI service).
if(TARGET ondrel_dialogs AND TARGET ondrel_app)
    ondrel_add_test(tst_transposeform LABEL dialogs
        SOURCES tst_transposeform.cpp LIBS ondrel_dialogs ondrel_app)
endif()
if(TARGET ondrel_dialogs AND TARGET ondrel_app)
    ondrel_add_test(tst_settings LABEL dialogs
        SOURCES tst_settings.cpp LIBS ondrel_dialogs ondrel_app)
endif()
