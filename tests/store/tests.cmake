tagrin_wine_test(store_settings_test ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp)
tagrin_wine_test(store_tag_history_test ${CMAKE_CURRENT_LIST_DIR}/tag_history_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/combo_window.cpp)
tagrin_wine_test(store_tag_picker_test ${CMAKE_CURRENT_LIST_DIR}/tag_picker_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/combo_window.cpp)
tagrin_wine_test(store_picker_entries_test ${CMAKE_CURRENT_LIST_DIR}/picker_entries_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/combo_window.cpp)
