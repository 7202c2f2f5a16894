# The shipped program: 32-bit Windows.
set(TALLOWIN_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
