tagrin_wine_test(app_dialog_tests RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_template_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_behaviour_test.cpp)
# The dialog once more on a screen of 144 DPI, in a prefix of its own: the shared prefix stays at 96 for the
# suites that run beside this one.
add_test(NAME ${TAGRIN_ARCH}/app_dialog_dpi_144 COMMAND env TAGRIN_ARCH=${TAGRIN_ARCH} TAGRIN_TEST_DPI=144
         ${CMAKE_SOURCE_DIR}/tools/wine-dpi-exec 144 $<TARGET_FILE:app_dialog_tests> --gtest_filter=MainDialogDpi.*)
set_tests_properties(${TAGRIN_ARCH}/app_dialog_dpi_144 PROPERTIES TIMEOUT 600)

tagrin_wine_test(app_program_tests ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp)
add_dependencies(app_program_tests Tagrin)

# The shell boxes change the prefix's Send To folder and registry, so they take turns with the shell tests.
tagrin_wine_test(app_shell_boxes_tests RESOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_shell_boxes_test.cpp)
set_tests_properties(${TAGRIN_ARCH}/app_shell_boxes_tests PROPERTIES RESOURCE_LOCK shell_state_${TAGRIN_ARCH})
