set(STORE_PURE_SOURCES)
set(STORE_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picker_entries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_history.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_picker.cpp)
