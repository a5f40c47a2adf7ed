# Bounded libFuzzer runs over the text readers (clang only; skipped without it): the patch script
# parser, the .ini store, the per-user store's key paths and saving, the imports, the chord and
# snapshot values decoders, an input's MIDI bytes, and the file lists other programs hand over,
# MIDI files read for a replay.
# run_fuzz.sh builds each fuzzer itself, since the project may be compiled with GCC. The sanitizer
# build leaves them out: the fuzzers run under the same sanitizers already.
if(UNIX AND NOT ONDREL_SANITIZE)
    foreach(_target patch ini store import chord snapshot midi filelist midifile)
        add_test(NAME fuzz_${_target}
            COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/run_fuzz.sh ${_target}
                    ${CMAKE_CURRENT_BINARY_DIR}/fuzz 25)
        set_tests_properties(fuzz_${_target} PROPERTIES
            LABELS fuzz SKIP_RETURN_CODE 77 TIMEOUT 600)
    endforeach()
endif()
