#include "names/core/path_parts.h"

#include <cstring>

#include "names/core/name_rule.h"
#include "text/dbcs_text.h"

namespace {

bool IsPathSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Whether the last character of a path is a path separator.
bool EndsWithSeparator(const char* path)
{
    const char* last = nullptr;
    for (const char* p = path; *p != '\0'; p += CharLengthAt(p)) {
        last = p;
    }
    return last != nullptr && CharLengthAt(last) == 1 && IsPathSeparator(*last);
}

}  // namespace

const char* FindFileNamePart(const char* path)
{
    if (path == nullptr) {
        return nullptr;
    }
    const char* name = path;
    for (const char* p = path; *p != '\0'; p += CharLengthAt(p)) {
        // Lead bytes are 0x81 and above, so a separator here is always a whole character.
        if ((IsPathSeparator(*p) || *p == ':') && p[1] != '\0' && !IsPathSeparator(p[1])) {
            name = p + 1;
        }
    }
    return name;
}

char* FindFileNamePart(char* path)
{
    return const_cast<char*>(FindFileNamePart(static_cast<const char*>(path)));
}

const char* FindExtension(const char* path)
{
    if (path == nullptr) {
        return nullptr;
    }
    const char* dot = nullptr;
    const char* p = path;
    for (; *p != '\0'; p += CharLengthAt(p)) {
        if (*p == '\\' || *p == ' ') {
            dot = nullptr;
        } else if (*p == '.') {
            dot = p;
        }
    }
    return dot != nullptr ? dot : p;
}

std::size_t FileNamePartOffset(const char* path)
{
    return static_cast<std::size_t>(FindFileNamePart(path) - path);
}

bool JoinPath(const char* folder, std::size_t folderCharacters, const char* name, char* out, std::size_t outSize)
{
    std::size_t folderLength = std::strlen(folder);
    bool needsSeparator = folderLength > 0 && !EndsWithSeparator(folder) && name[0] != '\\';
    std::size_t length = folderLength + (needsSeparator ? 1 : 0) + std::strlen(name);
    std::size_t characters = folderCharacters + (needsSeparator ? 1 : 0) + CharacterCount(name);
    if (characters > kPathCharacterLimit || length >= outSize) {
        return false;
    }
    std::memcpy(out, folder, folderLength);
    std::size_t at = folderLength;
    if (needsSeparator) {
        out[at++] = '\\';
    }
    std::memcpy(out + at, name, std::strlen(name) + 1);
    return true;
}
