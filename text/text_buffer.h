#pragma once

#include <cstddef>

// Every path, tag, setting value and list text lives in a buffer of this size:
// at most 1023 bytes of text and the terminating NUL.
constexpr std::size_t kTextBufferSize = 1024;
using TextBuffer = char[kTextBufferSize];
