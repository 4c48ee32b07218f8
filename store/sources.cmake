set(STORE_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_form.cpp)
set(STORE_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/held_back_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/store_path.cpp
    ${CMAKE_CURRENT_LIST_DIR}/whole_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/store_lock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/store_write.cpp
    ${CMAKE_CURRENT_LIST_DIR}/write_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/store_encoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/failed_write.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shift_jis_conversion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picker_entries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_history.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_picker.cpp)
