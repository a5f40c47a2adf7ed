# What a screen reader reads of the real program over AT-SPI: names, descriptions, the keys of
# the piano and which of them sound, controls the keyboard reaches.
if(TARGET ondrel)
    add_test(NAME tst_atspi
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/a11y/checkatspi.sh $<TARGET_FILE:ondrel>)
    set_tests_properties(tst_atspi PROPERTIES LABELS "a11y;e2e" TIMEOUT 300)
endif()
