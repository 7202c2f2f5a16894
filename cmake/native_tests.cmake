# Native unit tests of the portable part, with GoogleTest under ctest.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(native_tests
  tests/native/bios/register_frame_test.cpp
  tests/native/bios/bios_call_test.cpp
  tests/native/bios/shell_calls_test.cpp
  tests/native/sim/state_file_test.cpp
  tests/native/sim/simulated_notebook_test.cpp
  tests/native/sim/state_persistence_test.cpp
  tests/native/sim/no_streams_test.cpp
  tests/native/controls/dib_layout_test.cpp)
target_link_libraries(native_tests PRIVATE tlw_sim tlw_pictures GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE TALLOWIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The pages' settings models; a page's model test is one line here.
target_sources(native_tests PRIVATE
  tests/native/pages/settings_model_test.cpp)
target_link_libraries(native_tests PRIVATE tlw_page_models)
gtest_discover_tests(native_tests)

# The programs cross-built for Windows, run under Wine in the same ctest run.
set(TALLOWIN_WINE_TESTS_DIR "" CACHE PATH "Build directory of the Windows programs whose tests run under Wine")
if(TALLOWIN_WINE_TESTS_DIR)
  include(${CMAKE_SOURCE_DIR}/tests/wine/programs.cmake)
  foreach(name ${TALLOWIN_WINE_TEST_PROGRAMS})
    add_test(NAME ${name}
      COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/wine-run ${TALLOWIN_WINE_TESTS_DIR}/${name}.exe
              --tlw=${TALLOWIN_WINE_TESTS_DIR}/tlw.exe)
    set_tests_properties(${name} PROPERTIES TIMEOUT 180 RESOURCE_LOCK wine_registry)
  endforeach()
endif()

# No file includes a header from a folder above its own (bios, sim, win,
# controls, pages, app, bottom-up); and the check itself names what it must.
add_test(NAME include_floors
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_include_floors.cmake)
add_test(NAME include_floors_check_names_upward_includes
  COMMAND ${CMAKE_COMMAND} -DCHECK=${CMAKE_SOURCE_DIR}/cmake/check_include_floors.cmake
          -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR} -P ${CMAKE_SOURCE_DIR}/tests/cmake/include_floors_test.cmake)
