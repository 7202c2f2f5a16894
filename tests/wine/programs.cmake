# The test programs that run under Wine, each one ctest test, with their sources.
set(TALLOWIN_WINE_TEST_PROGRAMS wine_startup_tests wine_sheet_tests wine_program_sheet_tests wine_picture_tests)
set(wine_startup_tests_SOURCES tests/wine/app/startup_test.cpp)
set(wine_sheet_tests_SOURCES tests/wine/app/sheet_test.cpp tests/wine/win/dialog_test.cpp)
list(APPEND wine_sheet_tests_SOURCES tests/wine/win/property_sheet_test.cpp tests/wine/win/subclass_test.cpp
  tests/wine/win/controls_test.cpp)
set(wine_program_sheet_tests_SOURCES tests/wine/app/program_sheet_test.cpp)
set(wine_picture_tests_SOURCES tests/wine/controls/picture_test.cpp tests/wine/controls/test_pictures.rc)
# The in-process sheet that the sheet's tests and the pages' share; the device driver's end.
list(APPEND wine_sheet_tests_SOURCES tests/wine/app/sheet_fixture.cpp tests/wine/bios/device_driver_test.cpp)
# The simulated notebook's Win32 files and the simulated restart, in process.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_simulator_tests)
set(wine_simulator_tests_SOURCES tests/wine/sim/state_file_win_test.cpp tests/wine/app/restart_test.cpp)
# The display device page in the program's sheet.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_display_tests)
set(wine_display_tests_SOURCES tests/wine/pages/display_page_test.cpp tests/wine/app/sheet_fixture.cpp
  tests/wine/pages/typing.cpp)
# The password boxes, dialogs and page, typed at with real keys.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_password_tests)
set(wine_password_tests_SOURCES tests/wine/pages/password_test.cpp tests/wine/pages/typing.cpp
  tests/wine/app/sheet_fixture.cpp)
# The information page's identity: the asset tag dialog, the DMI proxies and the asset tag flow.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_identity_tests)
set(wine_identity_tests_SOURCES tests/wine/pages/asset_tag_dlg_test.cpp tests/wine/pages/identity_test.cpp
  tests/wine/app/sheet_fixture.cpp tests/wine/pages/typing.cpp)
# The POST and boot sequence pages in the in-process sheet.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_boot_tests)
set(wine_boot_tests_SOURCES tests/wine/pages/boot_pages_test.cpp tests/wine/app/sheet_fixture.cpp
  tests/wine/pages/typing.cpp tests/common/logged_request.cpp)
# The information page in the program's sheet: its rows under both Windows versions, the asset tag flow.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_info_tests)
set(wine_info_tests_SOURCES tests/wine/pages/info_page_test.cpp tests/wine/app/sheet_fixture.cpp)
# Help: the topics in HTML Help, the controls' popups, WinHelp and the message.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_help_tests)
set(wine_help_tests_SOURCES tests/wine/app/help_test.cpp tests/wine/app/sheet_fixture.cpp)
# tlwctl.exe run as a child process on simulated notebooks: its output, exit codes, files and requests.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_tlwctl_tests)
set(wine_tlwctl_tests_SOURCES tests/wine/ctl/tlwctl_test.cpp)
# The monkey: random user actions on tlw.exe over a hostile notebook, judged by the invariant checker.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_monkey_tests)
set(wine_monkey_tests_SOURCES tests/wine/monkey/monkey_test.cpp tests/wine/monkey/monkey.cpp
  tests/monkey/invariants.cpp tests/common/logged_request.cpp)
# Every DPI: each page and dialog measured at 120, 144 and 192 DPI, each in a process of its own; it runs longer.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_dpi_tests)
set(wine_dpi_tests_SOURCES tests/wine/app/dpi_layout_test.cpp tests/wine/app/sheet_fixture.cpp)
set(wine_dpi_tests_TIMEOUT 600)
# Without a mouse: real keys on the boot order, Tab through every page and dialog, the names screen readers get.
list(APPEND TALLOWIN_WINE_TEST_PROGRAMS wine_keyboard_tests)
set(wine_keyboard_tests_SOURCES tests/wine/app/keyboard_test.cpp tests/wine/app/accessibility_test.cpp
  tests/wine/pages/typing.cpp tests/wine/app/sheet_fixture.cpp)
set(wine_keyboard_tests_LIBRARIES oleacc oleaut32 ole32)
