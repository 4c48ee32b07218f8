# Shell integration and ShellExt.dll. The tests change the prefix's registry and Send To folder, so they take turns.
# Beside the test executables lie a copy of ShellExt.dll and a stand-in for Tagrin.exe that records its command line.
add_executable(command_line_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/command_line_recorder.cpp)

add_library(shell_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/shell_test_support.cpp)
target_link_libraries(shell_test_support PUBLIC tagrin_test_support)

# The extension's registration is linked in too, so a test can write the per-user keys a standard user's
# regsvr32 writes.
tagrin_wine_test(shell_integration_tests
    ${CMAKE_CURRENT_LIST_DIR}/send_to_shortcut_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/context_menu_box_test.cpp
    ${CMAKE_SOURCE_DIR}/shellext/registration.cpp
    ${CMAKE_SOURCE_DIR}/shellext/module.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dll_search_test.cpp)
tagrin_wine_test(shell_extension_tests
    ${CMAKE_CURRENT_LIST_DIR}/launch_command_line_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_menu_test.cpp
    ${CMAKE_SOURCE_DIR}/shellext/launch_command_line.cpp)

# The copies follow their originals, also when only the extension changed and no test relinks.
set(shell_test_files)
foreach(file ShellExt.dll command_line_recorder.exe)
  string(REGEX REPLACE "\\..*" "" target ${file})
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${CMAKE_CURRENT_BINARY_DIR}/${file}
      DEPENDS ${target})
  list(APPEND shell_test_files ${CMAKE_CURRENT_BINARY_DIR}/${file})
endforeach()
add_custom_target(shell_test_files ALL DEPENDS ${shell_test_files})
foreach(test shell_integration_tests shell_extension_tests)
  target_link_libraries(${test} PRIVATE shell_test_support)
  add_dependencies(${test} shell_test_files)
  set_tests_properties(${TAGRIN_ARCH}/${test} PROPERTIES RESOURCE_LOCK shell_state_${TAGRIN_ARCH} TIMEOUT 180)
endforeach()

# The loader of the release zips' check (tests/common), which gets the unpacked dll's class factory and starts
# and closes the exe. The x64 tree, which runs on every host, checks the x86 package too.
add_executable(package_load_check ${CMAKE_CURRENT_LIST_DIR}/package_load_check.cpp)
target_link_libraries(package_load_check PRIVATE ole32 uuid)
target_include_directories(package_load_check PRIVATE ${CMAKE_SOURCE_DIR})
set(TAGRIN_X86_BUILD_DIR "" CACHE PATH "Build tree of the x86 build, whose package the x64 tree checks too")
