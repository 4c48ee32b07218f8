# The ground floor: Shift-JIS text primitives and the text buffer, pure bytes, built everywhere.
set(TEXT_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/dbcs_text.cpp)
