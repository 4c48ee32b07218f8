tagrin_wine_test(app_dialog_tests RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_template_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_behaviour_test.cpp)
# The dialog once more on a screen of 144 DPI, in a prefix of its own: the shared prefix stays at 96 for the
# suites that run beside this one.
add_test(NAME ${TAGRIN_ARCH}/app_dialog_dpi_144 COMMAND env TAGRIN_ARCH=${TAGRIN_ARCH} TAGRIN_TEST_DPI=144
         ${CMAKE_SOURCE_DIR}/tools/wine-dpi-exec 144 $<TARGET_FILE:app_dialog_tests> --gtest_filter=MainDialogDpi.*)
set_tests_properties(${TAGRIN_ARCH}/app_dialog_dpi_144 PROPERTIES TIMEOUT 600)

# With the program's manifest, which pins the test's own code page as it pins the program's. The Send To box of one
# test changes the prefix's Send To folder: it takes turns with the shell tests.
tagrin_wine_test(app_program_tests RESOURCES ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp)
add_dependencies(app_program_tests Tagrin)
set_tests_properties(${TAGRIN_ARCH}/app_program_tests PROPERTIES RESOURCE_LOCK shell_state_${TAGRIN_ARCH})
# The same under a Western locale (code page 1252 unless a manifest pins it): the program works exactly as there.
add_test(NAME ${TAGRIN_ARCH}/app_program_tests_western COMMAND env TAGRIN_ARCH=${TAGRIN_ARCH} TAGRIN_LC_ALL=C.UTF-8
         ${CMAKE_SOURCE_DIR}/tools/wine-exec $<TARGET_FILE:app_program_tests>)
set_tests_properties(${TAGRIN_ARCH}/app_program_tests_western PROPERTIES TIMEOUT 600 RESOURCE_LOCK shell_state_${TAGRIN_ARCH})

# The shell boxes change the prefix's Send To folder and registry, so they take turns with the shell tests. A stand-in
# for ShellExt.dll whose registration waits for the test lies beside the test.
add_library(slow_registration SHARED ${CMAKE_CURRENT_LIST_DIR}/slow_registration.cpp
            ${CMAKE_CURRENT_LIST_DIR}/slow_registration.def)
set_target_properties(slow_registration PROPERTIES PREFIX "")
target_link_options(slow_registration PRIVATE -Wl,--enable-stdcall-fixup)
tagrin_wine_test(app_shell_boxes_tests RESOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_shell_boxes_test.cpp)
add_dependencies(app_shell_boxes_tests slow_registration)
add_custom_command(TARGET app_shell_boxes_tests POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy_if_different
                   $<TARGET_FILE:slow_registration> $<TARGET_FILE_DIR:app_shell_boxes_tests>)
set_tests_properties(${TAGRIN_ARCH}/app_shell_boxes_tests PROPERTIES RESOURCE_LOCK shell_state_${TAGRIN_ARCH})
