#include "names/core/name_rule.h"

#include <cwchar>

#include "text/dbcs_text.h"

namespace {

// One character of either kind of text: how many units it takes, and its value when it is a single unit (0 for
// a double-byte character, which is never in the list: its bytes are all 0x40 or above).
std::size_t StepAt(const char* p)
{
    return CharLengthAt(p);
}
std::size_t StepAt(const wchar_t*)
{
    return 1;
}
unsigned SingleAt(const char* p)
{
    return CharLengthAt(p) == 1 ? static_cast<unsigned char>(*p) : 0;
}
unsigned SingleAt(const wchar_t* p)
{
    return static_cast<unsigned>(*p);
}

bool IsAsciiLetter(unsigned c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// What the walk has seen of one element.
struct Element {
    std::size_t characters = 0;
    unsigned last = 0;
    bool dotsOnly = true;
    NameFault character = NameFault::kNone;  // the first character no name can hold
};

NameFault FaultOfElement(const Element& element, bool inPath)
{
    // An empty element (a doubled separator) and "." or ".." in a path are resolved away, never a name.
    if (element.characters == 0) return NameFault::kNone;
    if (inPath && element.dotsOnly && element.characters <= 2) return NameFault::kNone;
    if (element.character != NameFault::kNone) return element.character;
    if (element.last == '.' || element.last == ' ') return NameFault::kEndsInDotOrBlank;
    if (element.characters > kNameCharacterLimit) return NameFault::kNameTooLong;
    return NameFault::kNone;
}

// One walk for names and paths of both kinds, so that each follows the same rule. In a path, a drive
// ("C:") is the root, and every separator ends an element.
template <typename Char>
NameFault FaultOf(const Char* text, bool isPath)
{
    if (text == nullptr) return NameFault::kNone;
    const Char* p = text;
    std::size_t total = 0;
    if (isPath && IsAsciiLetter(SingleAt(p)) && SingleAt(p + 1) == ':') {
        p += 2;
        total = 2;
    }
    Element element;
    for (;;) {
        const unsigned c = SingleAt(p);
        if (*p == 0 || (isPath && (c == '\\' || c == '/'))) {
            const NameFault fault = FaultOfElement(element, isPath);
            if (fault != NameFault::kNone) return fault;
            if (*p == 0) break;
            element = Element();
            ++total;
            ++p;
            continue;
        }
        if (element.character == NameFault::kNone && c != 0 && IsNotInNames(c)) {
            element.character = c < 0x20 ? NameFault::kControlCharacter : NameFault::kForbiddenCharacter;
        }
        element.dotsOnly = element.dotsOnly && c == '.';
        element.last = c;
        ++element.characters;
        ++total;
        p += StepAt(p);
    }
    return isPath && total > kPathCharacterLimit ? NameFault::kPathTooLong : NameFault::kNone;
}

bool StartsWith(const wchar_t* text, const wchar_t* prefix, bool foldCase)
{
    for (; *prefix != L'\0'; ++text, ++prefix) {
        wchar_t c = *text;
        if (foldCase && c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 0x20);
        if (c != *prefix) return false;
    }
    return true;
}

// Whether the rest of a prefixed path means the same once the prefix is gone: the prefix keeps '/' as a
// character and "." and ".." as names, where a plain path makes them separators and steps.
bool MeansTheSameWithoutPrefix(const wchar_t* rest)
{
    const wchar_t* element = rest;
    for (const wchar_t* p = rest;; ++p) {
        if (*p == L'/') return false;
        if (*p != L'\\' && *p != L'\0') continue;
        const std::size_t length = static_cast<std::size_t>(p - element);
        const bool dots = length > 0 && length <= 2 && element[0] == L'.' && element[length - 1] == L'.';
        if (dots) return false;
        if (*p == L'\0') return true;
        element = p + 1;
    }
}

}  // namespace

bool IsNotInNames(unsigned int character)
{
    if (character >= 1 && character <= 31) return true;
    switch (character) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        return true;
    default:
        return false;
    }
}

const char* FindNotInNames(const char* text)
{
    if (text == nullptr) return nullptr;
    for (const char* p = text; *p != '\0'; p += CharLengthAt(p)) {
        if (IsNotInNames(SingleAt(p))) return p;
    }
    return nullptr;
}

std::size_t CharacterCount(const char* text)
{
    std::size_t count = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; p += CharLengthAt(p)) ++count;
    return count;
}

NameFault FindNameFault(const char* name)
{
    return FaultOf(name, false);
}

NameFault FindNameFault(const wchar_t* name)
{
    return FaultOf(name, false);
}

NameFault FindPathFault(const char* path)
{
    return FaultOf(path, true);
}

NameFault FindPathFault(const wchar_t* path)
{
    return FaultOf(path, true);
}

bool PlainPathForm(const wchar_t* path, wchar_t* out, std::size_t outSize)
{
    if (path == nullptr || out == nullptr || outSize == 0) return false;
    const wchar_t* lead = L"";
    const wchar_t* rest = path;
    if (StartsWith(path, L"\\\\?\\", false) || StartsWith(path, L"\\\\.\\", false)) {
        rest = path + 4;
        if (StartsWith(rest, L"UNC\\", true)) {
            lead = L"\\\\";
            rest += 4;
        } else if (!(IsAsciiLetter(SingleAt(rest)) && rest[1] == L':' && rest[2] == L'\\')) {
            return false;  // a volume, a device or a pipe: no plain path names it
        }
        if (!MeansTheSameWithoutPrefix(rest)) return false;
    }
    const std::size_t leadLength = std::wcslen(lead);
    const std::size_t restLength = std::wcslen(rest);
    if (leadLength + restLength >= outSize) return false;
    std::wmemcpy(out, lead, leadLength);
    std::wmemcpy(out + leadLength, rest, restLength + 1);
    return true;
}

bool IsSafeNewFileName(const char* oldName, const char* newName)
{
    if (oldName == nullptr || newName == nullptr || newName[0] == '\0') return false;
    if (FindNameFault(newName) != NameFault::kNone) return false;
    bool hasNonBlank = false;
    for (const char* p = newName; *p != '\0' && !hasNonBlank; p += CharLengthAt(p)) {
        hasNonBlank = BlankLengthAt(p) == 0;
    }
    // '.' is never a second byte: the first byte of either name is a character of its own.
    return hasNonBlank && (newName[0] != '.' || oldName[0] == '.');
}
