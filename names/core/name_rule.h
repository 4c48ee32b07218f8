#pragma once

// What a name and a path may be: one rule for every name that comes in (the command line, a drop, a folder
// scan, the extension) and for every name the program makes (a rename, a tag). Pure byte work. Code-page
// bytes are walked character by character from the start (0x5C '\' and 0x7C '|' can be second bytes);
// UTF-16 is walked unit by unit. Both count the same for a path the code page spells exactly, where each
// character is one UTF-16 unit.

#include <cstddef>

// The longest path the file calls take, in characters: MAX_PATH less its NUL. Every path the program lists,
// searches or renames to is counted this one way.
constexpr std::size_t kPathCharacterLimit = 259;
// The longest name (one element of a path) a file system keeps, in characters.
constexpr std::size_t kNameCharacterLimit = 255;
// Bytes a path within the limit can take: each character is one or two bytes. A buffer for a path holds
// this many and the NUL.
constexpr std::size_t kPathByteLimit = 2 * kPathCharacterLimit;

// The characters no name can hold: the control characters 1-31 and \ / : * ? " < > |. Each is one
// byte in the code page and one unit in UTF-16.
bool IsNotInNames(unsigned int character);

enum class NameFault {
    kNone,
    kControlCharacter,    // a character 1-31 (a tab pasted from a spreadsheet)
    kForbiddenCharacter,  // one of \ / : * ? " < > | (a ':' after the drive names a stream)
    kEndsInDotOrBlank,    // the platform drops a final '.' or ' ', and the name would be another file's
    kNameTooLong,         // a name (one element) over kNameCharacterLimit characters
    kPathTooLong,         // a path over kPathCharacterLimit characters
};

// The first character of text that no name can hold, or null. Walks code-page characters.
const char* FindNotInNames(const char* text);
// Characters of text: a double-byte character counts once.
std::size_t CharacterCount(const char* text);

// The fault of one name (a path element), kNone when it may stand in a path as it is.
NameFault FindNameFault(const char* name);
NameFault FindNameFault(const wchar_t* name);

// The fault of a path: of each element after its root ("C:\", "C:", "\\server\share\", "\"), "." and ".."
// aside, then of its length.
NameFault FindPathFault(const char* path);
NameFault FindPathFault(const wchar_t* path);

// The plain form of a path written with the prefix \\?\ or \\.\ into out (outSize units): \\?\C:\x is C:\x,
// \\?\UNC\server\share\x is \\server\share\x; a path without a prefix is copied as it is. False when the
// prefixed path has no plain form that names the same thing (a volume or a device, a "." or ".." element,
// a '/' that the prefix keeps as a character) or does not fit.
bool PlainPathForm(const wchar_t* path, wchar_t* out, std::size_t outSize);

// Whether a rename inside its folder may give a file newName in place of oldName: a name without a fault,
// not empty, not blanks only, and not starting with a '.' unless oldName did (".txt" out of "[Memo].txt"
// would be a hidden name without a stem that no scan shows).
bool IsSafeNewFileName(const char* oldName, const char* newName);
