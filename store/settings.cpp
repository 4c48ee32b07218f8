#include "store/settings.h"

#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <set>

#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/store_write.h"
#include "text/dbcs_text.h"

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

// The keys found too long this run, and those of them the user has been told of.
std::set<std::string> overlongKeys;
std::set<std::string> toldKeys;

// Reads a value whole into value, or gives false with the fallback there: a file that start-up could not read
// gives the defaults, as a missing one does, and so does a value too long for the buffer. It is read with a
// byte to spare, so that one longer than the buffer holds is known as such and never used cut.
bool ReadString(const char* section, const char* key, const char* fallback, TextBuffer& value)
{
    // Twice the buffer: a cut that keeps a double-byte character whole gives back a byte less.
    char read[2 * kTextBufferSize] = {};
    if (!IsHeldBack(kSettingsFile)) {
        const DWORD length = GetPrivateProfileStringA(section, key, fallback, read, sizeof read, kSettingsFile);
        if (length < kTextBufferSize) {
            std::memcpy(value, read, length + 1);
            return true;
        }
        overlongKeys.insert(key);
    }
    std::snprintf(value, sizeof value, "%s", fallback);
    return false;
}

// A whole decimal number, optionally signed; false for anything else (a blank, "0x10", "12abc").
bool ParseWholeNumber(const char* text, int* number)
{
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (*p == '\0') return false;
    long long value = 0;
    for (; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        if (value < INT_MAX) value = value * 10 + (*p - '0');
    }
    if (value > INT_MAX) value = INT_MAX;
    *number = static_cast<int>(negative ? -value : value);
    return true;
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

void ReadIntakeSettings(IntakeSettings& settings)
{
    settings.extTaken = ReadString(kIntakeSection, kExtKey, kDefaultExt, settings.extText);
    // Read as text: GetPrivateProfileInt takes "12abc" for 12 and "abc" for 0, which the close would then
    // write back over what the user wrote.
    TextBuffer recurse = {};
    const bool read = ReadString(kIntakeSection, kRecurseKey, "", recurse);
    TrimBlanks(recurse);
    settings.recurseTaken = read && ParseWholeNumber(recurse, &settings.recurse);
    if (!settings.recurseTaken) settings.recurse = kDefaultRecurse;
    // A missing key is taken: there is nothing of the user's to keep.
    if (read && recurse[0] == '\0') settings.recurseTaken = true;
}

bool ReadSettingsNumber(const char* section, const char* key, int least, int most, int* number)
{
    TextBuffer text = {};
    int read = 0;
    if (!ReadString(section, key, "", text)) return false;
    TrimBlanks(text);
    if (!ParseWholeNumber(text, &read) || read < least || read > most) return false;
    *number = read;
    return true;
}

void SaveIntakeSettings(const char* extText, int recurse, const IntakeSettings& read)
{
    // A value start-up could not take stays in the file as the user wrote it, unless he changed its control.
    const bool writeExt = read.extTaken || std::strcmp(extText, read.extText) != 0;
    const bool writeRecurse = read.recurseTaken || (recurse != 0) != (read.recurse != 0);
    if (!writeExt && !writeRecurse) return;
    // The dialog closes all the same when the file may not or could not be written.
    StoreWrite write(kSettingsFile);
    if (writeExt && write.MayWrite()) {
        write.Wrote(WritePrivateProfileStringA(kIntakeSection, kExtKey, extText, kSettingsFile) != FALSE);
    }
    if (writeRecurse && write.MayWrite()) {
        write.Wrote(WritePrivateProfileStringA(kIntakeSection, kRecurseKey, recurse ? "1" : "0", kSettingsFile) !=
                    FALSE);
    }
}

std::string TakeSettingsNotice()
{
    std::string notice;
    for (const std::string& key : overlongKeys) {
        if (!toldKeys.insert(key).second) continue;
        const char* control = key == kExtKey ? "対象拡張子" : key == kRecurseKey ? "サブフォルダのチェック" : nullptr;
        notice += "設定.ini の " + key + " の値が長すぎるため使えません（" + std::to_string(kTextBufferSize - 1) +
                  " バイト、全角なら " + std::to_string((kTextBufferSize - 1) / 2) +
                  " 文字まで）。この実行では既定の値を使います。";
        if (control) notice += std::string("閉じるときも、") + control + "を変えないかぎりこの値は書き換えません。";
        notice += "\r\n";
    }
    return notice;
}
