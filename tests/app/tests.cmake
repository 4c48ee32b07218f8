tagrin_wine_test(app_dialog_tests RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_template_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_behaviour_test.cpp)

tagrin_wine_test(app_program_tests ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp)
add_dependencies(app_program_tests Tagrin)

# The shell boxes change the prefix's Send To folder and registry, so they take turns with the shell tests.
tagrin_wine_test(app_shell_boxes_tests RESOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_shell_boxes_test.cpp)
set_tests_properties(${TAGRIN_ARCH}/app_shell_boxes_tests PROPERTIES RESOURCE_LOCK shell_state_${TAGRIN_ARCH})
