set(TAGS_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/core/tag_grammar.cpp)
set(TAGS_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tag_paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_rows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/volume_file_ids.cpp
    ${CMAKE_CURRENT_LIST_DIR}/identified_move.cpp
    ${CMAKE_CURRENT_LIST_DIR}/undo_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_collection.cpp)
