#include "filelist/core/name_key.h"

#include "text/dbcs_text.h"

std::uint32_t NameKey(const char* name)
{
    if (name == nullptr) {
        return 0;
    }
    // The second byte of a double-byte character can look like a letter; it counts as it is.
    std::uint32_t sum = 0;
    for (const char* p = name; *p != '\0';) {
        std::size_t length = CharLengthAt(p);
        if (length == 2) {
            sum += static_cast<unsigned char>(p[0]);
            sum += static_cast<unsigned char>(p[1]);
        } else {
            sum += FoldAsciiLetter(static_cast<unsigned char>(p[0]));
        }
        p += length;
    }
    return sum;
}

void FoldLocation(const char* location, std::string& folded)
{
    folded.clear();
    AppendFoldedLocation(location, folded);
}

void AppendFoldedLocation(const char* location, std::string& folded)
{
    if (location == nullptr) {
        return;
    }
    for (const char* p = location; *p != '\0';) {
        std::size_t length = CharLengthAt(p);
        if (length == 2) {
            folded.append(p, 2);
        } else {
            folded.push_back(static_cast<char>(FoldAsciiLetter(static_cast<unsigned char>(p[0]))));
        }
        p += length;
    }
}
