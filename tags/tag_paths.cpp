#include "tags/tag_paths.h"

#include <windows.h>

#include <cstring>

#include "store/settings.h"
#include "tags/core/tag_grammar.h"
#include "text/text_buffer.h"
#include "names/core/path_parts.h"

int RemoveTag(const char* src, const char* tag, TextBuffer& out)
{
    if (!src || !tag) return 0;
    TextBuffer opening = {};
    TextBuffer closing = {};
    ReadBracketSettings(opening, closing);
    return RemoveTagWithBrackets(src, tag, out, opening, closing);
}

int RemoveTagWithBrackets(const char* src, const char* tag, TextBuffer& out, const char* opening, const char* closing)
{
    if (!src || !tag) return 0;
    // A path that does not fit whole would be cut into the name of another file.
    const std::size_t length = std::strlen(src);
    if (length >= kTextBufferSize) return 0;
    std::memcpy(out, src, length + 1);
    return RemoveTagFromName(FindFileNamePart(out), tag, opening, closing);
}
