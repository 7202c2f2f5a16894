# The test programs that run under Wine, built by the posix-threads compilers
# (GoogleTest, std::thread) against the program's build in TALLOWIN_PROGRAM_DIR.
# They are written into that directory, beside the tlw.exe they start, so that
# a test program finds tlw.exe where the program finds it: in its own folder.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TALLOWIN_PROGRAM_DIR})

# GoogleTest, cross-built from Debian's sources.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Each Wine process costs about a second: one test program per area, each one
# ctest test of the native build (cmake/native_tests.cmake).
include(${CMAKE_SOURCE_DIR}/tests/wine/programs.cmake)
foreach(name ${TALLOWIN_WINE_TEST_PROGRAMS})
  add_executable(${name} ${${name}_SOURCES} tests/wine/harness.cpp res/tlw.rc)
  target_link_libraries(${name} PRIVATE tlw_app gtest ${${name}_LIBRARIES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/res)
  target_link_options(${name} PRIVATE ${TLW_LINK_OPTIONS})
endforeach()

# The portable tests as a Windows console program: on i686 they run with
# 32-bit pointers, as the shipped program does.
include(${CMAKE_SOURCE_DIR}/cmake/native_tests.cmake)
target_link_options(native_tests PRIVATE ${TLW_LINK_OPTIONS})
# The identity's Wine tests read the same real tables as the native ones.
target_compile_definitions(wine_identity_tests PRIVATE TALLOWIN_SMBIOS_TABLES="${smbios_tables}")
target_compile_definitions(wine_info_tests PRIVATE TALLOWIN_SMBIOS_TABLES="${smbios_tables}")

# Shows what Wine's WoW64 mode cannot make for the display (see the README).
add_executable(wow64_display_probe tests/wine/wow64_display_probe.cpp)
target_link_libraries(wow64_display_probe PRIVATE gdi32)
target_link_options(wow64_display_probe PRIVATE ${TLW_LINK_OPTIONS})

# Shows what keys do in a 32-bit process under WoW64 (see tests/wine/wow64_keyboard_probe.cpp).
add_executable(wow64_keyboard_probe tests/wine/wow64_keyboard_probe.cpp)
target_link_options(wow64_keyboard_probe PRIVATE ${TLW_LINK_OPTIONS})
