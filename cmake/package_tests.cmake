# The installer package's tests under Wine. The 64-bit test program installs,
# repairs, upgrades and removes packages with 64-bit Wine's msiexec, which runs
# no 32-bit code for it; the 32-bit test program runs what was installed, and
# is started through the WoW64 gate like every 32-bit run.
if(WIN32 AND TALLOWIN_PROGRAM_DIR)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(package_test_program wine_package_tests)
    set(package_test_source tests/wine/package/package_test.cpp)
  else()
    set(package_test_program wine_installed_tests)
    set(package_test_source tests/wine/package/installed_programs_test.cpp)
  endif()
  add_executable(${package_test_program} ${package_test_source} tests/wine/package/package_fixture.cpp
    tests/wine/harness.cpp)
  target_include_directories(${package_test_program} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${package_test_program} PRIVATE TALLOWIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(${package_test_program} PRIVATE gtest msi ole32 uuid shell32 version)
  target_link_options(${package_test_program} PRIVATE ${TLW_LINK_OPTIONS})
elseif(NOT WIN32 AND TALLOWIN_WINE_TESTS_DIR AND TALLOWIN_WOW64_TESTS_DIR)
  # The packages they install: the one ./scripts/test built (TALLOWIN_PACKAGE),
  # another build of it, an older and a newer version.
  set(test_packages ${CMAKE_CURRENT_BINARY_DIR}/test-packages)
  add_test(NAME package_test_packages COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/package/make_test_packages
    ${CMAKE_SOURCE_DIR} ${TALLOWIN_WOW64_TESTS_DIR} $<TARGET_FILE:program_check> ${test_packages})
  set_tests_properties(package_test_packages PROPERTIES FIXTURES_SETUP test_packages TIMEOUT 300)
  set(wine_run ${CMAKE_SOURCE_DIR}/tests/wine/wine-run)
  add_test(NAME wine_package_tests
    COMMAND ${wine_run} ${TALLOWIN_WINE_TESTS_DIR}/wine_package_tests.exe --tlw=${TALLOWIN_WOW64_TESTS_DIR}/tlw.exe)
  add_test(NAME wine_installed_tests_i686 COMMAND ${wow64_gate} run ${wow64_decision}
    ${wine_run} ${TALLOWIN_WOW64_TESTS_DIR}/wine_installed_tests.exe --tlw=${TALLOWIN_WOW64_TESTS_DIR}/tlw.exe)
  set_tests_properties(wine_package_tests wine_installed_tests_i686 PROPERTIES TIMEOUT 600
    RESOURCE_LOCK wine_registry ENVIRONMENT TALLOWIN_TEST_PACKAGES=${test_packages})
  set_tests_properties(wine_package_tests PROPERTIES FIXTURES_REQUIRED test_packages)
  set_tests_properties(wine_installed_tests_i686 PROPERTIES FIXTURES_REQUIRED "test_packages;wow64"
    SKIP_RETURN_CODE 77)
endif()
