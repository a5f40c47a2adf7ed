# The program's texts: no Windows wording on Linux, none of the typos found before.
add_test(NAME tst_wording
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scripts/checkwording.sh ${PROJECT_SOURCE_DIR})
set_tests_properties(tst_wording PROPERTIES LABELS dialogs)
