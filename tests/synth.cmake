# The built-in synthesizer (the Midi-Mapper), rendered without a sound card.
if(TARGET ondrel_midi)
    ondrel_add_test(tst_synth LABEL synth SOURCES tst_synth.cpp LIBS ondrel_midi)
endif()
