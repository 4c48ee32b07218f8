#pragma once

// Shared by the fuzz targets: an input is split into NUL-free parts at its NUL bytes, and
// each part is handed to the code under test in a heap buffer of exactly its size, so the
// address sanitizer sees every byte read or written past it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

inline void Require(bool holds)
{
    if (!holds) {
        std::abort();
    }
}

// The first `count` parts of the input; missing parts are empty.
inline std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<std::string> parts(count);
    std::size_t part = 0;
    for (std::size_t i = 0; i < size && part < count; ++i) {
        if (data[i] == 0) {
            ++part;
        } else {
            parts[part].push_back(static_cast<char>(data[i]));
        }
    }
    return parts;
}

// A NUL-terminated copy in a buffer of exactly strlen + 1 bytes (or more when asked).
inline std::vector<char> ExactCopy(const std::string& text, std::size_t extra = 0)
{
    std::vector<char> buffer(text.size() + 1 + extra, '\0');
    std::memcpy(buffer.data(), text.data(), text.size());
    return buffer;
}

// The same as UTF-16-like units, one per byte: the command line reaches the program as UTF-16.
inline std::vector<wchar_t> ExactWideCopy(const std::string& text)
{
    std::vector<wchar_t> buffer(text.size() + 1, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = static_cast<unsigned char>(text[i]);
    return buffer;
}
