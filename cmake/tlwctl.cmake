# tlwctl.exe, the console tool beside tlw.exe: its portable commands in
# tlw_ctl (tested natively), its console and entry for Windows.
add_library(tlw_ctl STATIC
  ctl/setting_names.cpp
  ctl/machine_settings.cpp
  ctl/settings_file.cpp
  ctl/json_text.cpp
  ctl/commands.cpp)
target_link_libraries(tlw_ctl PUBLIC tlw_page_models tlw_sim tlw_dmi)

if(WIN32 AND NOT TALLOWIN_PROGRAM_DIR)
  # The same string table as tlw.exe: every text once.
  add_executable(tlwctl
    ctl/tlwctl_main.cpp
    ctl/console_win.cpp
    ctl/driver_choice_win.cpp
    bios/device_driver_win.cpp
    dmi/dmi_device_win.cpp
    bios/machine_facts_win.cpp
    res/tlw.rc)
  target_link_libraries(tlwctl PRIVATE tlw_ctl tlw_win)
  target_include_directories(tlwctl PRIVATE ${CMAKE_SOURCE_DIR}/res)
  target_link_options(tlwctl PRIVATE ${TLW_LINK_OPTIONS})
endif()

if(TARGET native_tests)
  target_sources(native_tests PRIVATE
    tests/native/ctl/setting_names_test.cpp
    tests/native/ctl/settings_file_test.cpp
    tests/native/ctl/commands_test.cpp)
  target_link_libraries(native_tests PRIVATE tlw_ctl)
endif()

# tlwctl.exe imports only what Windows 2000 has, as tlw.exe does.
if(NOT WIN32 AND TALLOWIN_WOW64_TESTS_DIR)
  add_test(NAME tlwctl_imports_windows2000_i686
    COMMAND program_check imports ${TALLOWIN_WOW64_TESTS_DIR}/tlwctl.exe ${CMAKE_SOURCE_DIR}/tools/windows2000_functions.txt)
endif()
