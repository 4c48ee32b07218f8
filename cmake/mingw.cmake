# Shared by the two toolchain files: the posix-thread MinGW-w64 compilers of TAGRIN_MINGW_TRIPLE (GoogleTest
# needs std::mutex, which the win32-thread variant lacks), with libraries and headers of that target only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TAGRIN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAGRIN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TAGRIN_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAGRIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
