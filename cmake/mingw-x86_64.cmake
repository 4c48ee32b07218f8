# The 64-bit (x64) Windows build: the same sources, and the program and the extension that a 64-bit Explorer loads.
set(TAGRIN_MINGW_TRIPLE x86_64-w64-mingw32)
set(TAGRIN_ARCH x64)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
