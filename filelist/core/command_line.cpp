#include "filelist/core/command_line.h"

#include <cstring>

// Byte-wise scanning is safe for Shift-JIS here: neither the separators (0x01-0x20)
// nor '"' (0x22) can be the second byte of a double-byte character.
const char* NextPathToken(const char* text, char* token, std::size_t tokenSize, bool* fits)
{
    if (text == nullptr || token == nullptr || tokenSize == 0) {
        return nullptr;
    }
    const char* p = text;
    while (*p != '\0' && static_cast<unsigned char>(*p) <= 0x20) {
        ++p;
    }
    if (*p == '\0') {
        return nullptr;
    }
    const char* start = p;
    const char* end = nullptr;
    const char* resume = nullptr;
    if (*p == '"') {
        ++start;
        end = std::strchr(start, '"');
        if (end == nullptr) {
            end = start + std::strlen(start);
            resume = end;
        } else {
            resume = end + 1;
        }
    } else {
        end = std::strchr(start, ' ');
        if (end == nullptr) {
            end = start + std::strlen(start);
        }
        resume = end;
    }
    std::size_t length = static_cast<std::size_t>(end - start);
    bool tokenFits = length < tokenSize;
    if (tokenFits) {
        std::memcpy(token, start, length);
        token[length] = '\0';
    } else {
        token[0] = '\0';
    }
    if (fits != nullptr) {
        *fits = tokenFits;
    }
    return resume;
}

// The program path is not a path token: an unquoted one ends at any blank, not just at a space.
const char* CommandLineTail(const char* commandLine)
{
    if (commandLine == nullptr) {
        return "";
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine);
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') {
            ++p;
        }
        if (*p == '"') {
            ++p;
        }
    } else {
        while (*p > 0x20) {
            ++p;
        }
    }
    while (*p != '\0' && *p <= 0x20) {
        ++p;
    }
    return reinterpret_cast<const char*>(p);
}
