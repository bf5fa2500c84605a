# Integration tests of the Windows program: the real timer window, menus and
# dialogs under Wine on a display (Xvfb in scripts/test-windows.sh).
# Included from src/platform/win32 once tests/ has defined its helpers.
set(win32_tests_dir ${CMAKE_CURRENT_LIST_DIR})
# tests/ sets its GoogleTest libraries in its own scope; this runs in the top one.
set(QUILLASTOR_GTEST gtest_main gmock)
quillastor_add_tests(quillastor_win32_tests
    SOURCES
        ${win32_tests_dir}/scripted_run.cpp
        ${win32_tests_dir}/window_shell_test.cpp
        ${win32_tests_dir}/painting_test.cpp
        ${win32_tests_dir}/menu_test.cpp
        ${win32_tests_dir}/dialogs_test.cpp
        ${win32_tests_dir}/font_conversion_test.cpp
        $<TARGET_OBJECTS:quillastor_win32_resources>
    LIBRARIES quillastor_win32
)
set_tests_properties(quillastor_win32_tests PROPERTIES ENVIRONMENT "LANG=ja_JP.UTF-8" TIMEOUT 300 RUN_SERIAL TRUE)
