# tlw.exe, the 32-bit Windows program, and its tests under Wine.
set(TLW_LINK_OPTIONS -static -static-libgcc -static-libstdc++)

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
  win/parent_background.cpp)
target_include_directories(tlw_win PUBLIC ${CMAKE_SOURCE_DIR})
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
  win/help.cpp
  pages/page_base.cpp
  pages/page_host.cpp
  pages/settings_page.cpp
  app/load_settings_dlg.cpp
  app/restart_dlg.cpp
  app/about_dlg.cpp
  app/system_restart.cpp
  app/all_controls_sheet.cpp
  pages/info/info_viewer_page.cpp
  pages/boot/post_page.cpp
  pages/boot/startup_page.cpp
  pages/password/password_page.cpp
  pages/display/display_page.cpp
  controls/palette_bitmap_button.cpp
  bios/device_driver_win.cpp)
target_link_libraries(tlw_app PUBLIC tlw_sim tlw_win tlw_pictures)
target_link_libraries(tlw_app PUBLIC tlw_page_models)
target_include_directories(tlw_app PUBLIC ${CMAKE_SOURCE_DIR}/res)

add_executable(tlw WIN32 app/main.cpp res/tlw.rc)
target_link_libraries(tlw PRIVATE tlw_app)
target_link_options(tlw PRIVATE ${TLW_LINK_OPTIONS})
set_source_files_properties(res/tlw.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/tlw.manifest")

# GoogleTest, cross-built from Debian's sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Each Wine process costs about a second: one ctest test per test program.
include(${CMAKE_SOURCE_DIR}/tests/wine/programs.cmake)
foreach(name ${TALLOWIN_WINE_TEST_PROGRAMS})
  add_executable(${name} ${${name}_SOURCES} tests/wine/harness.cpp res/tlw.rc)
  target_link_libraries(${name} PRIVATE tlw_app gtest)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/res)
  target_link_options(${name} PRIVATE ${TLW_LINK_OPTIONS})
  add_dependencies(${name} tlw)
  add_test(NAME ${name} COMMAND ${name} --tlw=$<TARGET_FILE:tlw>)
  set_tests_properties(${name} PROPERTIES TIMEOUT 180 RESOURCE_LOCK wine_registry)
endforeach()

# The start-up benchmark (not a test): tlw.exe against an empty one-page sheet.
add_executable(empty_sheet WIN32 tests/bench/empty_sheet.cpp)
target_link_libraries(empty_sheet PRIVATE comctl32)
target_link_options(empty_sheet PRIVATE ${TLW_LINK_OPTIONS})
add_executable(startup_benchmark tests/bench/startup_benchmark.cpp)
target_link_options(startup_benchmark PRIVATE ${TLW_LINK_OPTIONS})
