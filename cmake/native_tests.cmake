# Native unit tests of the portable part, with GoogleTest under ctest.
# The Windows build of the test programs makes the same program from the
# cross-built GoogleTest (GTest::gtest_main is its own); the native build's ctest
# runs it under Wine.
if(WIN32)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

add_executable(native_tests
  tests/native/bios/register_frame_test.cpp
  tests/native/bios/bios_call_test.cpp
  tests/native/bios/catalogue_test.cpp
  tests/common/logged_request.cpp
  tests/native/bios/shell_calls_test.cpp
  tests/native/bios/info_calls_test.cpp
  tests/native/bios/boot_calls_test.cpp
  tests/native/sim/state_file_test.cpp
  tests/native/sim/simulated_notebook_test.cpp
  tests/native/sim/info_answers_test.cpp
  tests/native/bios/display_calls_test.cpp
  tests/native/sim/simulated_display_test.cpp
  tests/native/sim/boot_answers_test.cpp
  tests/native/sim/state_persistence_test.cpp
  tests/native/sim/notebook_paths_test.cpp
  tests/native/sim/no_streams_test.cpp
  tests/native/controls/dib_layout_test.cpp)
target_link_libraries(native_tests PRIVATE tlw_sim tlw_pictures GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE TALLOWIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The pages' settings models; a page's model test is one line here.
target_sources(native_tests PRIVATE
  tests/native/pages/settings_model_test.cpp
  tests/native/pages/display_settings_test.cpp
)
# The password calls, the password boxes' key filter, the password page's model.
target_sources(native_tests PRIVATE tests/native/bios/password_calls_test.cpp
  tests/native/controls/password_keys_test.cpp tests/native/pages/password_settings_test.cpp)
target_sources(native_tests PRIVATE tests/native/pages/identity_settings_test.cpp)
# The information rows: processor names, probes, the simulated notebook's machine facts.
target_sources(native_tests PRIVATE tests/native/pages/cpu_names_test.cpp tests/native/pages/info_probes_test.cpp)
target_sources(native_tests PRIVATE tests/native/pages/boot_order_test.cpp tests/native/pages/boot_page_models_test.cpp)
target_link_libraries(native_tests PRIVATE tlw_page_models)
# The DMI walk, on real machines' tables (TALLOWIN_SMBIOS_TABLES) and small ones.
set(TALLOWIN_SMBIOS_TABLES "${CMAKE_SOURCE_DIR}/../shared/testdata/smbios" CACHE PATH
  "Folder of real SMBIOS structure tables with their expected.tsv")
get_filename_component(smbios_tables "${TALLOWIN_SMBIOS_TABLES}" ABSOLUTE)
target_sources(native_tests PRIVATE
  tests/native/dmi/identity_walk_test.cpp
  tests/native/dmi/identity_rows_test.cpp
  tests/native/sim/identity_answers_test.cpp)
target_link_libraries(native_tests PRIVATE tlw_dmi)
target_compile_definitions(native_tests PRIVATE TALLOWIN_SMBIOS_TABLES="${smbios_tables}")
# A bounded fuzz run of the walk, natively under the sanitizers (./scripts/fuzz runs longer ones).
if(NOT WIN32)
  add_test(NAME dmi_walk_fuzz COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz --runs 50000 --tables ${smbios_tables})
  set_tests_properties(dmi_walk_fuzz PROPERTIES TIMEOUT 300)
  # The walk's micro-benchmark (./scripts/benchmark, not a test), compiled for size as the program is,
  # whatever this build's type.
  add_executable(dmi_walk_benchmark tests/bench/dmi_walk_benchmark.cpp dmi/identity_walk.cpp dmi/dmi_table.cpp)
  target_include_directories(dmi_walk_benchmark PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(dmi_walk_benchmark PRIVATE -Os)
endif()
gtest_discover_tests(native_tests)

# The programs cross-built for Windows, run under Wine in the same ctest run:
# the 64-bit build's, and the shipped 32-bit build's under Wine's WoW64 mode,
# whose test names end in _i686.
set(TALLOWIN_WINE_TESTS_DIR "" CACHE PATH "Build directory of the Windows programs whose tests run under Wine")
set(TALLOWIN_WOW64_TESTS_DIR "" CACHE PATH "Build directory of the 32-bit Windows programs, run under WoW64")
# Some machines cannot execute 32-bit code at all (a hypervisor without a
# 32-bit code segment). A probe that owes nothing to our code decides once per
# run, before the 32-bit runs, whether they run or are reported skipped.
set(wow64_gate ${CMAKE_SOURCE_DIR}/tests/wine/wow64/gate)
set(wow64_decision ${CMAKE_CURRENT_BINARY_DIR}/wow64_probe.decision)
function(tallowin_add_wine_tests dir suffix)
  include(${CMAKE_SOURCE_DIR}/tests/wine/programs.cmake)
  foreach(name ${TALLOWIN_WINE_TEST_PROGRAMS})
    set(command ${CMAKE_SOURCE_DIR}/tests/wine/wine-run ${dir}/${name}.exe --tlw=${dir}/tlw.exe)
    if(suffix STREQUAL "_i686")
      set(command ${wow64_gate} run ${wow64_decision} ${command})
    endif()
    add_test(NAME ${name}${suffix} COMMAND ${command})
    set(timeout 180)
    if(DEFINED ${name}_TIMEOUT)
      set(timeout ${${name}_TIMEOUT})
    endif()
    set_tests_properties(${name}${suffix} PROPERTIES TIMEOUT ${timeout} RESOURCE_LOCK wine_registry)
    if(suffix STREQUAL "_i686")
      set_tests_properties(${name}${suffix} PROPERTIES SKIP_RETURN_CODE 77 FIXTURES_REQUIRED wow64)
    endif()
  endforeach()
endfunction()
if(TALLOWIN_WINE_TESTS_DIR)
  tallowin_add_wine_tests(${TALLOWIN_WINE_TESTS_DIR} "")
endif()
if(TALLOWIN_WOW64_TESTS_DIR)
  add_test(NAME wow64_probe COMMAND ${wow64_gate} probe ${TALLOWIN_WOW64_TESTS_DIR}/wow64_probe.exe ${wow64_decision})
  set_tests_properties(wow64_probe PROPERTIES FIXTURES_SETUP wow64 TIMEOUT 150)
  tallowin_add_wine_tests(${TALLOWIN_WOW64_TESTS_DIR} _i686)
  add_test(NAME native_tests_i686 COMMAND ${wow64_gate} run ${wow64_decision}
    ${CMAKE_SOURCE_DIR}/tests/wine/wine-run ${TALLOWIN_WOW64_TESTS_DIR}/native_tests.exe)
  set_tests_properties(native_tests_i686 PROPERTIES SKIP_RETURN_CODE 77 FIXTURES_REQUIRED wow64)
  # The gate's decision both ways: a probe that is no 32-bit program skips the
  # 32-bit runs with the reason, in a ctest run of its own; a "runs" decision
  # passes every status through.
  add_test(NAME wow64_gate_decides COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/wow64/gate_test
    ${wow64_gate} ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(wow64_gate_decides PROPERTIES TIMEOUT 150)
endif()

if(NOT WIN32)
  include(${CMAKE_SOURCE_DIR}/cmake/program_checks.cmake)
endif()

# No file includes a header from a folder above its own (bios, sim, win,
# controls, pages, app, bottom-up); and the check itself names what it must.
add_test(NAME include_floors
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_include_floors.cmake)
add_test(NAME include_floors_check_names_upward_includes
  COMMAND ${CMAKE_COMMAND} -DCHECK=${CMAKE_SOURCE_DIR}/cmake/check_include_floors.cmake
          -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR} -P ${CMAKE_SOURCE_DIR}/tests/cmake/include_floors_test.cmake)
# The hostile notebook.
if(TARGET native_tests)
  target_sources(native_tests PRIVATE tests/native/sim/chaos_test.cpp)
endif()
if(TARGET native_tests)
  target_sources(native_tests PRIVATE tests/native/sim/state_round_trip_test.cpp)
endif()
# A bounded fuzz run of the state file, natively under the sanitizers (./scripts/fuzz --state-file runs longer ones).
if(NOT WIN32)
  add_test(NAME state_file_fuzz COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz --state-file --runs 20000)
  set_tests_properties(state_file_fuzz PROPERTIES TIMEOUT 300)
endif()
# The monkey's invariant checker, judged on the simulated notebook's logs.
if(TARGET native_tests)
  target_sources(native_tests PRIVATE tests/monkey/invariants.cpp tests/monkey/invariants_test.cpp)
endif()
# A monkey run's logs judged again: monkey_check <requests.log> <actions.log>.
if(NOT WIN32)
  add_executable(monkey_check tests/monkey/check_run.cpp tests/monkey/invariants.cpp tests/common/logged_request.cpp)
  target_link_libraries(monkey_check PRIVATE tlw_sim tlw_page_models)
endif()
