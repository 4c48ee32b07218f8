# A Windows build (x86 or x64, as the toolchain file says): Tagrin.exe, ShellExt.dll and the test executables
# that run under Wine, each in the Wine prefix of its own architecture.
if(NOT TAGRIN_ARCH MATCHES "^(x86|x64)$")
  message(FATAL_ERROR "TAGRIN_ARCH is '${TAGRIN_ARCH}': build with cmake/mingw-i686.cmake or cmake/mingw-x86_64.cmake")
endif()
enable_language(RC)
set(CMAKE_CROSSCOMPILING_EMULATOR
    "env;TAGRIN_ARCH=${TAGRIN_ARCH};${CMAKE_SOURCE_DIR}/tools/wine-exec" CACHE STRING "" FORCE)

# Narrow literals are Shift-JIS in the binaries; the sources stay UTF-8.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8> $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP932>)
add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0700)
# Static runtime: the exe and the tests need no MinGW DLL beside them.
add_link_options(-static -static-libgcc -static-libstdc++)

set(TAGRIN_SYSTEM_LIBS comctl32 shlwapi shell32 ole32 oleaut32 uuid advapi32 user32 gdi32 kernel32)

add_library(tagrin_pure STATIC ${PURE_SOURCES})
target_include_directories(tagrin_pure PUBLIC ${CMAKE_SOURCE_DIR})

if(WIN_SOURCES)
  add_library(tagrin_win STATIC ${WIN_SOURCES})
  target_link_libraries(tagrin_win PUBLIC tagrin_pure ${TAGRIN_SYSTEM_LIBS})
else()
  add_library(tagrin_win INTERFACE)
  target_link_libraries(tagrin_win INTERFACE tagrin_pure ${TAGRIN_SYSTEM_LIBS})
endif()

# Resources (dialog template 101 and the manifest) go into every executable that shows the dialog.
# The manifest names the architecture of the build in both of its assembly identities.
if(TAGRIN_ARCH STREQUAL "x64")
  set(TAGRIN_MANIFEST_ARCH amd64)
else()
  set(TAGRIN_MANIFEST_ARCH X86)
endif()
configure_file(${CMAKE_SOURCE_DIR}/res/Tagrin.exe.manifest.in ${CMAKE_BINARY_DIR}/res/Tagrin.exe.manifest @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/res")
set(TAGRIN_RESOURCES ${CMAKE_SOURCE_DIR}/res/tagrin.rc)
# Source properties hold in the folder that sets them: tests/ and bench/ set these again for their own copies.
set(TAGRIN_RESOURCE_DEPENDS "${CMAKE_BINARY_DIR}/res/Tagrin.exe.manifest;${CMAKE_SOURCE_DIR}/res/control_ids.h")
set_source_files_properties(${TAGRIN_RESOURCES} PROPERTIES OBJECT_DEPENDS "${TAGRIN_RESOURCE_DEPENDS}")

if(EXISTS ${CMAKE_SOURCE_DIR}/app/main.cpp)
  # The load configuration is linked in as an object of its own: nothing refers to it, so from a library the
  # linker would leave it out.
  add_executable(Tagrin WIN32 app/main.cpp app/load_config.cpp ${TAGRIN_RESOURCES})
  add_custom_command(TARGET Tagrin POST_BUILD
      COMMAND ${CMAKE_SOURCE_DIR}/tools/set-load-config ${CMAKE_NM} $<TARGET_FILE:Tagrin>)
  target_link_libraries(Tagrin PRIVATE tagrin_win)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/shellext/CMakeLists.txt)
  add_subdirectory(shellext)
endif()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL SYSTEM)

add_subdirectory(tests)
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()
