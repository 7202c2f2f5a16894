# Help: the topics of docs/help compiled into tlw.chm beside tlw.exe, the
# help requests of the Win32 layer, and the checks that every page, dialog
# and input control has its help.
if(WIN32)
  target_sources(tlw_win PRIVATE win/help.cpp win/help_map.cpp)
endif()

# The test programs' build finds tlw.chm beside the tlw.exe it was given.
if(NOT TALLOWIN_PROGRAM_DIR)
  file(GLOB TLW_HELP_TOPICS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tlw.chm
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/docs/help -DWORK_DIR=${CMAKE_BINARY_DIR}/help
      -DOUTPUT=${CMAKE_BINARY_DIR}/tlw.chm -P ${CMAKE_SOURCE_DIR}/cmake/help_chm.cmake
    DEPENDS ${TLW_HELP_TOPICS} ${CMAKE_SOURCE_DIR}/cmake/help_chm.cmake
    COMMENT "Compiling the help topics into tlw.chm")
  add_custom_target(tlw_help ALL DEPENDS ${CMAKE_BINARY_DIR}/tlw.chm)
  if(TARGET tlw)
    add_dependencies(tlw tlw_help)
  endif()
endif()

if(NOT WIN32)
  add_executable(help_map_tests tests/native/help/help_map_test.cpp win/help_map.cpp)
  target_include_directories(help_map_tests PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(help_map_tests PRIVATE TALLOWIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(help_map_tests PRIVATE GTest::gtest_main)
  gtest_discover_tests(help_map_tests)
  # The compiled file: every topic inside, every dialog's context led to its topic.
  add_test(NAME help_chm_topics_and_contexts
    COMMAND ${CMAKE_COMMAND} -DCHM=${CMAKE_BINARY_DIR}/tlw.chm -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
      -DWORK_DIR=${CMAKE_BINARY_DIR}/help_check -P ${CMAKE_SOURCE_DIR}/cmake/check_help_chm.cmake)
endif()
