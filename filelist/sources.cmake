set(FILELIST_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/name_key.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ext_filter.cpp)
set(FILELIST_WIN_SOURCES)
