# Checks of the shipped program, run natively on the cross-built tlw.exe: it
# imports only functions Windows 2000 has and asks for no later version, and
# everything but its resources stays within 400 KB. The package script reads
# its version from it.
add_library(tlw_pe STATIC tools/pe_image.cpp tools/version_resource.cpp)
target_include_directories(tlw_pe PUBLIC ${CMAKE_SOURCE_DIR})
add_executable(program_check tools/program_check.cpp)
target_link_libraries(program_check PRIVATE tlw_pe)

add_executable(tool_tests tests/native/tools/pe_image_test.cpp)
target_link_libraries(tool_tests PRIVATE tlw_pe GTest::gtest_main)
gtest_discover_tests(tool_tests)

set(TALLOWIN_CODE_LIMIT 409600 CACHE STRING "Bytes tlw.exe may hold besides its resources")
if(TALLOWIN_WOW64_TESTS_DIR)
  add_test(NAME tlw_imports_windows2000_i686
    COMMAND program_check imports ${TALLOWIN_WOW64_TESTS_DIR}/tlw.exe ${CMAKE_SOURCE_DIR}/tools/windows2000_functions.txt)
  add_test(NAME tlw_size_i686 COMMAND program_check size ${TALLOWIN_WOW64_TESTS_DIR}/tlw.exe ${TALLOWIN_CODE_LIMIT})
endif()
