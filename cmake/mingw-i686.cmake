# The 32-bit (x86) Windows build.
set(TAGRIN_MINGW_TRIPLE i686-w64-mingw32)
set(TAGRIN_ARCH x86)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
