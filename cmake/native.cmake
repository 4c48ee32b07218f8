# The native build of the byte-level core: its tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the libFuzzer targets when the compiler is clang.
set(TAGRIN_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${TAGRIN_SANITIZE} -g)
add_link_options(${TAGRIN_SANITIZE})

add_library(tagrin_pure STATIC ${PURE_SOURCES})
target_include_directories(tagrin_pure PUBLIC ${CMAKE_SOURCE_DIR})

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL SYSTEM)

add_subdirectory(tests/native)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_subdirectory(tests/fuzz)
endif()
