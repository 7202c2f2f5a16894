# Cross-building for Windows on Debian with MinGW-w64; TALLOWIN_MINGW_ARCH
# (i686 or x86_64) is set by the toolchain file that includes this one.
# The program is built by the win32-threads compilers: their runtime needs no
# winpthread and imports nothing Windows 2000 lacks. A build of the test
# programs (TALLOWIN_PROGRAM_DIR names the program's build) uses the
# posix-threads ones, whose runtime has std::thread for the tests.
if(TALLOWIN_PROGRAM_DIR)
  set(TALLOWIN_MINGW_THREADS posix)
else()
  set(TALLOWIN_MINGW_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TALLOWIN_PROGRAM_DIR)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TALLOWIN_MINGW_ARCH})
set(CMAKE_C_COMPILER ${TALLOWIN_MINGW_ARCH}-w64-mingw32-gcc-${TALLOWIN_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TALLOWIN_MINGW_ARCH}-w64-mingw32-g++-${TALLOWIN_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TALLOWIN_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALLOWIN_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run)
