tagrin_wine_test(tag_rows_test
    ${CMAKE_CURRENT_LIST_DIR}/tag_rows_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_rows_property_test.cpp)

# Through the real dialog.
tagrin_wine_test(tag_commands_test RESOURCES ${CMAKE_CURRENT_LIST_DIR}/tag_commands_test.cpp)
