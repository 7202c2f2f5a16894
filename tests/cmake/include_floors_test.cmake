# The include-floor check against small trees of its own: it must pass clean
# trees and name every upward include, also one through a relative path.
#
#   cmake -DCHECK=<check_include_floors.cmake> -DWORK_DIR=<scratch dir> -P include_floors_test.cmake
cmake_minimum_required(VERSION 3.20)

set(tree ${WORK_DIR}/include_floors_tree)

function(run_check outcome output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${outcome} ${result} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

function(fail what)
  message(FATAL_ERROR "include floors: ${what}\n${output}")
endfunction()

# Downward and sideways includes, resources, system headers, tests: all fine.
file(REMOVE_RECURSE ${tree})
file(WRITE ${tree}/bios/call.h "#pragma once\n#include <cstdint>\n")
file(WRITE ${tree}/sim/answers.cpp "#include \"bios/call.h\"\n")
file(WRITE ${tree}/controls/picture.h "#include \"win/window.h\"\n#include \"res/resource.h\"\n")
file(WRITE ${tree}/pages/boot/post_page.cpp
     "#include \"pages/page_base.h\"\n#include \"controls/picture.h\"\n#include \"bios/call.h\"\n")
file(WRITE ${tree}/app/sheet.cpp "#include \"pages/boot/post_page.h\"\n#include \"sim/answers.h\"\n")
file(WRITE ${tree}/tests/sheet_test.cpp "#include \"app/sheet.h\"\n")
run_check(result output)
if(NOT result EQUAL 0)
  fail("a clean tree was refused")
endif()

# Upward: a page including the application, the BIOS layer including the
# simulator, the Win32 layer including a page through a relative path.
file(WRITE ${tree}/pages/boot/post_page.h "#pragma once\n\n  #  include \"app/sheet.h\"\n")
file(WRITE ${tree}/bios/channel.cpp "#include \"bios/call.h\"\n#include <sim/answers.h>\n")
file(WRITE ${tree}/win/dialog.cpp "#include \"../pages/page_base.h\"\n")
run_check(result output)
if(result EQUAL 0)
  fail("upward includes were let through")
endif()
foreach(named "pages/boot/post_page.h:3 includes app/sheet.h" "bios/channel.cpp:2 includes sim/answers.h"
              "win/dialog.cpp:1 includes pages/page_base.h")
  string(FIND "${output}" "${named}" at)
  if(at EQUAL -1)
    fail("not named: ${named}")
  endif()
endforeach()
string(FIND "${output}" "post_page.cpp" at)
if(NOT at EQUAL -1)
  fail("a downward include was named")
endif()

# The console tool shares the top floor with the application: it may include
# the pages, but the two never include each other.
file(REMOVE_RECURSE ${tree})
file(WRITE ${tree}/pages/boot/post_settings.h "#pragma once\n")
file(WRITE ${tree}/ctl/commands.cpp "#include \"pages/boot/post_settings.h\"\n#include \"ctl/commands.h\"\n")
run_check(result output)
if(NOT result EQUAL 0)
  fail("the console tool's downward includes were refused")
endif()
file(WRITE ${tree}/ctl/main.cpp "#include \"app/driver_selection.h\"\n")
file(WRITE ${tree}/app/sheet.cpp "#include \"ctl/commands.h\"\n")
file(WRITE ${tree}/pages/page.cpp "#include \"ctl/commands.h\"\n")
run_check(result output)
foreach(named "ctl/main.cpp:1 includes app/driver_selection.h" "app/sheet.cpp:1 includes ctl/commands.h"
              "pages/page.cpp:1 includes ctl/commands.h")
  string(FIND "${output}" "${named}" at)
  if(result EQUAL 0 OR at EQUAL -1)
    fail("not named: ${named}")
  endif()
endforeach()

file(REMOVE_RECURSE ${tree})
