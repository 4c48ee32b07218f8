# Faults and hostile input against the real dialog and the real program.
set(ROBUSTNESS_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/rows.cpp ${CMAKE_SOURCE_DIR}/tests/app/dialog_fixture.cpp)
tagrin_wine_test(robustness_changing_files_test RESOURCES ${CMAKE_CURRENT_LIST_DIR}/changing_files_test.cpp
    ${ROBUSTNESS_SUPPORT})
target_include_directories(robustness_changing_files_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app)
