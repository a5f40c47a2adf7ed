# The main window and the dialogs in German show no English leftover.
if(TARGET ondrel_app)
    ondrel_add_test(tst_german LABEL dialogs SOURCES tst_german.cpp LIBS ondrel_app)
endif()

# Every catalogue complete, its placeholders kept and its accelerators distinct per menu and page.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME translations_check
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/translations/tables/check.py
            ${PROJECT_SOURCE_DIR}/translations/ondrel_de.ts
            ${PROJECT_SOURCE_DIR}/translations/ondrel_fr.ts
            ${PROJECT_SOURCE_DIR}/translations/ondrel_es.ts)
    set_tests_properties(translations_check PROPERTIES LABELS dialogs)
endif()
