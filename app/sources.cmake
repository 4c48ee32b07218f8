set(APP_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/busy_gate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dll_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_loop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drop_handler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/store_notice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_buttons.cpp)
