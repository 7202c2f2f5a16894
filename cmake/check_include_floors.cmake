# Checks that no source file includes a header from a floor above its own.
# The program's folders are floors, bottom-up:
#
#   bios  dmi  sim  win  controls  pages  app | ctl
#
# A file may include headers of its own floor and of the floors below it:
# pages know the controls and the Win32 layer, never the application. app and
# ctl (the console tool) share the top floor and include neither of each other. res/
# (resource ids) and system headers are open to every floor; tests/ is not
# checked.
#
#   cmake -DSOURCE_DIR=<tree> -P cmake/check_include_floors.cmake
#
# Fails, naming each file, line and header, when a file includes upward.
cmake_minimum_required(VERSION 3.20)

set(floors bios dmi sim win controls pages app ctl)
# Floors that share the level of the one named after them.
set(level_of_ctl app)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_include_floors: give -DSOURCE_DIR=<source tree>")
endif()

set(violations "")
set(checked 0)
foreach(floor IN LISTS floors)
  set(levelFloor ${floor})
  if(DEFINED level_of_${floor})
    set(levelFloor ${level_of_${floor}})
  endif()
  list(FIND floors ${levelFloor} level)
  file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${floor}/*.h ${SOURCE_DIR}/${floor}/*.cpp ${SOURCE_DIR}/${floor}/*.rc)
  foreach(source IN LISTS sources)
    math(EXPR checked "${checked} + 1")
    get_filename_component(directory ${source} DIRECTORY)
    file(STRINGS ${SOURCE_DIR}/${source} lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
        continue()
      endif()
      set(header ${CMAKE_MATCH_1})
      # A path relative to the including file ("../app/x.h") counts where it lands.
      if(header MATCHES "^\\.")
        get_filename_component(landing ${SOURCE_DIR}/${directory}/${header} ABSOLUTE)
        file(RELATIVE_PATH header ${SOURCE_DIR} ${landing})
      endif()
      string(REGEX REPLACE "/.*" "" target ${header})
      set(targetFloor "${target}")
      if(DEFINED level_of_${target})
        set(targetFloor ${level_of_${target}})
      endif()
      list(FIND floors "${targetFloor}" targetLevel)
      if(targetLevel GREATER level)
        string(APPEND violations "\n  ${source}:${number} includes ${header}: ${floor}/ sits below ${target}/")
      elseif(targetLevel EQUAL level AND NOT target STREQUAL floor)
        string(APPEND violations "\n  ${source}:${number} includes ${header}: ${floor}/ sits beside ${target}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  string(REPLACE ";" " " order "${floors}")
  string(REPLACE " app ctl" " app|ctl" order "${order}")
  message(FATAL_ERROR "Headers included from a higher floor (bottom-up: ${order}); move the shared part down, "
                      "or reach the upper floor through an interface declared below it:${violations}")
endif()
message(STATUS "include floors: ${checked} files, none includes upward")
