# The 64-bit Windows build of the same sources, for running the tests under
# 64-bit Wine on machines whose kernel cannot run 32-bit code.
set(TALLOWIN_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
