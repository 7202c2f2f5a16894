# Compiles the help topics of docs/help into tlw.chm with chmcmd.
#
#   cmake -DSOURCE_DIR=<docs/help> -DWORK_DIR=<scratch folder> -DOUTPUT=<tlw.chm> -P cmake/help_chm.cmake
#
# chmcmd (Free Pascal 3.2.2) stores the targets of [ALIAS] with the project's
# absolute folder in front ("/home/me/build/help/post_page.htm"), a topic no
# help viewer finds inside the file. So the [ALIAS] and [MAP] sections are
# taken out of the project given to chmcmd, and the context map (#IVB: the
# context numbers and where each topic's name lies in #STRINGS) is written
# here instead: a first pass makes chmcmd store the topic names as they stand
# (one window type per topic, whose default file is that topic), a second
# pass adds the map as a file of the project.
cmake_minimum_required(VERSION 3.20)

foreach(variable SOURCE_DIR WORK_DIR OUTPUT)
  if(NOT ${variable})
    message(FATAL_ERROR "help_chm: give -D${variable}=...")
  endif()
endforeach()
find_program(CHMCMD chmcmd)
find_program(CHMLS chmls)
find_program(PRINTF printf)
if(NOT CHMCMD OR NOT CHMLS OR NOT PRINTF)
  message(FATAL_ERROR "help_chm: chmcmd and chmls (Debian's fp-utils) and printf are needed")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB topics ${SOURCE_DIR}/*.htm ${SOURCE_DIR}/*.hhc)
file(COPY ${topics} DESTINATION ${WORK_DIR})

# The project, split into the part chmcmd reads and the context map.
file(STRINGS ${SOURCE_DIR}/tlw.hhp lines)
set(section "")
set(project "")
set(aliases "")
set(windows "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\\[(.*)\\]$")
    set(section ${CMAKE_MATCH_1})
  endif()
  if(section STREQUAL "ALIAS")
    if(line MATCHES "^([A-Za-z0-9_]+)=(.+)$")
      set(alias_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
      list(APPEND aliases ${CMAKE_MATCH_1})
      string(APPEND windows "topic${CMAKE_MATCH_1}=\"Tallowin Help\",\"tlw.hhc\",,\"${CMAKE_MATCH_2}\",")
      string(APPEND windows "\"${CMAKE_MATCH_2}\",,,,,0x2520,,0x3006,,,,,,,,0\n")
    endif()
    continue()
  endif()
  if(section STREQUAL "MAP")
    if(line MATCHES "^#define[ \t]+([A-Za-z0-9_]+)[ \t]+(0[xX][0-9A-Fa-f]+|[0-9]+)")
      math(EXPR context_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" OUTPUT_FORMAT HEXADECIMAL)
    endif()
    continue()
  endif()
  string(APPEND project "${line}\n")
endforeach()
if(NOT aliases)
  message(FATAL_ERROR "help_chm: tlw.hhp has no [ALIAS] section")
endif()
string(REPLACE "[WINDOWS]\n" "[WINDOWS]\n${windows}" project "${project}")

function(compile_chm project_text)
  file(WRITE ${WORK_DIR}/tlw.hhp "${project_text}")
  execute_process(COMMAND ${CHMCMD} --no-html-scan tlw.hhp WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT EXISTS ${WORK_DIR}/tlw.chm)
    message(FATAL_ERROR "help_chm: chmcmd failed:\n${output}")
  endif()
endfunction()

function(read_strings out)
  file(REMOVE ${WORK_DIR}/strings.bin)
  execute_process(COMMAND ${CHMLS} extract tlw.chm "/#STRINGS" strings.bin WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_QUIET ERROR_QUIET)
  if(NOT EXISTS ${WORK_DIR}/strings.bin)
    message(FATAL_ERROR "help_chm: the compiled file holds no #STRINGS")
  endif()
  file(READ ${WORK_DIR}/strings.bin hex HEX)
  set(${out} ${hex} PARENT_SCOPE)
endfunction()

# Four bytes, least significant first, as printf escapes.
function(little_endian value out)
  math(EXPR value "${value}")
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    if(length EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND bytes "\\x${digits}")
  endforeach()
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

# Pass one: the topic names land in #STRINGS.
compile_chm("${project}")
read_strings(strings_first)

# The map: a length, then per context its number and its topic's offset.
list(LENGTH aliases count)
math(EXPR map_length "${count} * 8")
little_endian(${map_length} map)
foreach(alias IN LISTS aliases)
  if(NOT DEFINED context_${alias})
    message(FATAL_ERROR "help_chm: [ALIAS] ${alias} has no number in [MAP]")
  endif()
  set(name "${alias_${alias}}")
  file(WRITE ${WORK_DIR}/name.txt "${name}")
  file(READ ${WORK_DIR}/name.txt name_hex HEX)
  string(FIND "${strings_first}" "00${name_hex}00" at)
  math(EXPR odd "${at} % 2")
  if(at LESS 0 OR odd)
    message(FATAL_ERROR "help_chm: ${name} is not among the compiled file's strings")
  endif()
  math(EXPR offset "${at} / 2 + 1")
  little_endian(${context_${alias}} number_bytes)
  little_endian(${offset} offset_bytes)
  string(APPEND map "${number_bytes}${offset_bytes}")
endforeach()
execute_process(COMMAND ${PRINTF} "${map}" OUTPUT_FILE "${WORK_DIR}/#IVB" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help_chm: could not write the context map")
endif()

# Pass two: the same project with the map as one of its files.
string(REPLACE "[FILES]\n" "[FILES]\n#IVB\n" project "${project}")
compile_chm("${project}")
read_strings(strings_second)
if(NOT strings_second STREQUAL strings_first)
  message(FATAL_ERROR "help_chm: #STRINGS changed between the passes; the map would point amiss")
endif()
file(COPY_FILE ${WORK_DIR}/tlw.chm ${OUTPUT})
