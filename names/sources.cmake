set(NAMES_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/core/name_rule.cpp ${CMAKE_CURRENT_LIST_DIR}/core/path_parts.cpp)
set(NAMES_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exact_spelling.cpp)
