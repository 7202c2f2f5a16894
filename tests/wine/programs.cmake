# The test programs that run under Wine, each one ctest test, with their sources.
set(TALLOWIN_WINE_TEST_PROGRAMS wine_startup_tests wine_sheet_tests wine_program_sheet_tests wine_picture_tests)
set(wine_startup_tests_SOURCES tests/wine/startup_test.cpp)
set(wine_sheet_tests_SOURCES tests/wine/sheet_test.cpp tests/wine/dialog_test.cpp)
set(wine_program_sheet_tests_SOURCES tests/wine/program_sheet_test.cpp)
set(wine_picture_tests_SOURCES tests/wine/picture_test.cpp tests/wine/test_pictures.rc)
