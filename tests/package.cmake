# The AppStream description, the menu entry and the Debian package made by CPack.
if(TARGET ondrel)
    add_test(NAME tst_package
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scripts/checkpackage.sh ${PROJECT_BINARY_DIR}
            ${PROJECT_SOURCE_DIR})
    set_tests_properties(tst_package PROPERTIES LABELS package TIMEOUT 600)
endif()
