ondrel_add_test(tst_patches LABEL patches
    SOURCES tst_patches.cpp LIBS ondrel_core)

# A bounded libFuzzer run over the patch script reader (clang only; skipped without it). The
# script builds the fuzzer itself, since the project may be compiled with GCC.
if(UNIX)
    add_test(NAME fuzz_patchscript
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/run_patch_fuzz.sh
                ${CMAKE_CURRENT_BINARY_DIR}/fuzz 30)
    set_tests_properties(fuzz_patchscript PROPERTIES
        LABELS fuzz SKIP_RETURN_CODE 77 TIMEOUT 600)
endif()
