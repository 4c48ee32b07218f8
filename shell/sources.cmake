set(SHELL_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/context_menu_registration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/send_to_shortcut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell_boxes.cpp)
