# tlw.exe, the 32-bit Windows program, and its tests under Wine.
set(TLW_LINK_OPTIONS -static -static-libgcc -static-libstdc++)
# The i686 runtime would leave the x87 unit rounding to 64-bit mantissas, so a
# double expression would differ from the same one on every other machine
# (1.2 * 235 would come out below 282). CRT_fp8.o starts the program with the
# system runtime's setting, doubles rounded to 53 bits, as Windows programs have it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  list(APPEND TLW_LINK_OPTIONS -l:CRT_fp8.o)
endif()

add_library(tlw_win STATIC
  win/window.cpp
  win/resources.cpp
  win/dialog.cpp
  win/application.cpp
  win/command_line.cpp
  win/registry_key.cpp
  win/property_page.cpp
  win/property_sheet.cpp
  win/newer_functions.cpp
  win/subclass.cpp
  win/subclassed_window.cpp
  win/parent_background.cpp
  win/accessible.cpp
  win/startup_trace.cpp
  win/tab_order.cpp)
target_include_directories(tlw_win PUBLIC ${CMAKE_SOURCE_DIR})
# The program loads on Windows 2000 and later: declarations of anything newer
# are hidden, so that what it looks up at run time stays visible in the code.
target_compile_definitions(tlw_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500 WINVER=0x0500)
target_link_libraries(tlw_win PUBLIC comctl32 gdi32 advapi32 version)

# Everything of the program but its entry, so that the tests under Wine can
# run the sheet and its dialogs in their own process.
add_library(tlw_app STATIC
  app/tallowin_app.cpp
  app/command_line_info.cpp
  app/saved_button_actions.cpp
  app/driver_selection.cpp
  app/settings_window.cpp
  app/password_prompt_dlg.cpp
  pages/page_base.cpp
  pages/page_host.cpp
  pages/settings_page.cpp
  pages/page_maker.cpp
  app/load_settings_dlg.cpp
  app/restart_dlg.cpp
  app/about_dlg.cpp
  app/system_restart.cpp
  app/all_controls_sheet.cpp
  pages/info/info_viewer_page.cpp
  pages/info/asset_tag_dlg.cpp
  pages/boot/post_page.cpp
  pages/boot/startup_page.cpp
  pages/boot/boot_order_list_box.cpp
  pages/password/password_page.cpp
  pages/password/change_password_dlg.cpp
  controls/password_edit.cpp
  pages/display/display_page.cpp
  controls/palette_bitmap_button.cpp
  bios/device_driver_win.cpp
  dmi/dmi_device_win.cpp
  bios/machine_facts_win.cpp)
target_link_libraries(tlw_app PUBLIC tlw_sim tlw_win tlw_pictures)
target_link_libraries(tlw_app PUBLIC tlw_page_models)
target_include_directories(tlw_app PUBLIC ${CMAKE_SOURCE_DIR}/res)

# A build of the test programs makes no tlw.exe: its tests start the one of
# the program's build (see cmake/windows_tests.cmake).
if(TALLOWIN_PROGRAM_DIR)
  include(${CMAKE_SOURCE_DIR}/cmake/windows_tests.cmake)
  return()
endif()

# Whether this machine can execute 32-bit code at all, built with the product
# and owing nothing to it (tests/wine/wow64/probe.c).
add_executable(wow64_probe tests/wine/wow64/probe.c)
target_link_options(wow64_probe PRIVATE -static -s)

add_executable(tlw WIN32 app/main.cpp res/tlw.rc)
target_link_libraries(tlw PRIVATE tlw_app)
target_link_options(tlw PRIVATE ${TLW_LINK_OPTIONS})
set_source_files_properties(res/tlw.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/tlw.manifest")

# The start-up benchmark (not a test): tlw.exe against an empty one-page sheet.
add_executable(empty_sheet WIN32 tests/bench/empty_sheet.cpp tests/bench/empty_sheet.rc)
target_link_libraries(empty_sheet PRIVATE comctl32)
target_include_directories(empty_sheet PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(empty_sheet PRIVATE ${TLW_LINK_OPTIONS})
# The second yardstick: the empty sheet with the information page's controls
# and rows, from the program's own resources.
add_executable(page_controls_sheet WIN32 tests/bench/page_controls_sheet.cpp res/tlw.rc)
target_link_libraries(page_controls_sheet PRIVATE tlw_page_models comctl32)
target_include_directories(page_controls_sheet PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
target_link_options(page_controls_sheet PRIVATE ${TLW_LINK_OPTIONS})
add_executable(startup_benchmark tests/bench/startup_benchmark.cpp)
target_link_libraries(startup_benchmark PRIVATE psapi)
target_link_options(startup_benchmark PRIVATE ${TLW_LINK_OPTIONS})
