#include "store/settings.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "store/failed_write.h"
#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/store_lock.h"
#include "store/write_record.h"

// The keys of the texts Add puts around a tag; messages name them as well.
const char kAddBeforeKey[] = "addtag1";
const char kAddAfterKey[] = "addtag2";

namespace {

// Hand-edited only: the program never writes this section.
constexpr char kBracketSection[] = "タグ括弧";
constexpr char kOpeningKey[] = "tag1";
constexpr char kClosingKey[] = "tag2";
constexpr char kDefaultOpening[] = "[(【（「{『<＜";
constexpr char kDefaultClosing[] = "])】）」}』>＞";
constexpr char kDefaultAddBefore[] = "[";
constexpr char kDefaultAddAfter[] = "]";

// Written back on every close.
constexpr char kIntakeSection[] = "設定";
constexpr char kExtKey[] = "ext";
constexpr char kRecurseKey[] = "IsDir";
constexpr char kDefaultExt[] = "*";
constexpr int kDefaultRecurse = 1;

void ReadString(const char* section, const char* key, const char* fallback, TextBuffer& value)
{
    // A file that start-up could not read gives the defaults, as a missing one does.
    if (IsHeldBack(kSettingsFile)) {
        std::snprintf(value, sizeof value, "%s", fallback);
        return;
    }
    GetPrivateProfileStringA(section, key, fallback, value, sizeof value, kSettingsFile);
}

}  // namespace

void ReadBracketSettings(TextBuffer& opening, TextBuffer& closing)
{
    // An empty set is kept as it is: it simply recognises no tag.
    ReadString(kBracketSection, kOpeningKey, kDefaultOpening, opening);
    ReadString(kBracketSection, kClosingKey, kDefaultClosing, closing);
}

void ReadAddBrackets(TextBuffer& before, TextBuffer& after)
{
    // A new name always gets visible brackets, so an empty value counts as absent.
    ReadString(kBracketSection, kAddBeforeKey, kDefaultAddBefore, before);
    if (before[0] == '\0') std::memcpy(before, kDefaultAddBefore, sizeof kDefaultAddBefore);
    ReadString(kBracketSection, kAddAfterKey, kDefaultAddAfter, after);
    if (after[0] == '\0') std::memcpy(after, kDefaultAddAfter, sizeof kDefaultAddAfter);
}

void ReadTagBrackets(TagBrackets& brackets)
{
    ReadBracketSettings(brackets.opening, brackets.closing);
    ReadAddBrackets(brackets.before, brackets.after);
}

void ReadIntakeSettings(TextBuffer& extText, int* recurse)
{
    ReadString(kIntakeSection, kExtKey, kDefaultExt, extText);
    *recurse =
        IsHeldBack(kSettingsFile)
            ? kDefaultRecurse
            : static_cast<int>(GetPrivateProfileIntA(kIntakeSection, kRecurseKey, kDefaultRecurse, kSettingsFile));
}

void SaveIntakeSettings(const char* extText, int recurse)
{
    StoreLock lock;
    // A file in another encoding is left as it is; a failed write is noted for the user. The dialog closes
    // all the same.
    if (!MayWriteStoreFile(kSettingsFile)) return;
    if (!WritePrivateProfileStringA(kIntakeSection, kExtKey, extText, kSettingsFile) ||
        !WritePrivateProfileStringA(kIntakeSection, kRecurseKey, recurse ? "1" : "0", kSettingsFile)) {
        NoteFailedWrite(kSettingsFile, GetLastError());
        return;
    }
    RecordWritten(kSettingsFile);
}
