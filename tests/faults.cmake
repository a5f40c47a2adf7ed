# The real program end to end (Xvfb, xdotool, a JACK server of the test's own): playing it as a
# person does, the faults a user meets (the server going away, settings that cannot be saved or
# are damaged, two copies at once), and an evening's session with a synthesizer and knobs.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    foreach(_t tst_e2e_play tst_e2e_faults tst_e2e_session)
        ondrel_add_e2e_test(${_t} LABELS faults)
    endforeach()
    target_link_libraries(tst_e2e_faults PRIVATE ondrel_core)
endif()

# The main window meeting the same faults, in process.
if(TARGET ondrel_app AND TARGET ondrel_mainfixture)
    ondrel_add_test(tst_mainfaults LABEL mainwindow SOURCES tst_mainfaults.cpp
        LIBS ondrel_app ondrel_mainfixture)
endif()

# The main window over an evening's session, in process: incoming notes, the displays after
# Panic, the transposition, an imported patch, whole titles and knob names.
if(TARGET ondrel_app AND TARGET ondrel_mainfixture)
    ondrel_add_test(tst_mainsession LABEL mainwindow SOURCES tst_mainsession.cpp
        LIBS ondrel_app ondrel_mainfixture)
endif()
