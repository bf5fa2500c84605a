add_library(quillastor_os STATIC
    ${CMAKE_CURRENT_LIST_DIR}/tick_source_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wide_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/executable_path_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/code_page_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_store_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_class_win32.cpp
)
target_compile_definitions(quillastor_os PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(quillastor_os PUBLIC quillastor_headers)
