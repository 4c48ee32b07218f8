set(TAGS_PURE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/core/dbcs_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/core/tag_grammar.cpp)
set(TAGS_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tag_paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_rows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_collection.cpp)
