set(APP_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/message_loop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/work_progress.cpp)
