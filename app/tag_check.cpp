#include "app/tag_check.h"

#include <cstring>
#include <cwchar>
#include <initializer_list>
#include <string>

#include "names/core/name_rule.h"
#include "names/exact_spelling.h"
#include "res/control_ids.h"
#include "tags/core/tag_grammar.h"
#include "tags/tag_commands.h"
#include "text/dbcs_text.h"

namespace {

const wchar_t kForbiddenText[] = L"ファイル名に使えない文字 (\\ / : * ? \" < > |) ";

// The characters of text other than its blanks.
std::string NonBlanks(const char* text)
{
    std::string kept;
    for (const char* p = text; *p != '\0'; p += CharLengthAt(p)) {
        if (BlankLengthAt(p) == 0) kept.append(p, CharLengthAt(p));
    }
    return kept;
}

// Why the tag typed in the box cannot be used, written into why, or false when it can. A tag is written
// exactly as typed or not at all: a character the code page lacks would be written as another one, one no
// name can hold would fail on every row, and a bracket character would make a tag that cannot be read back,
// nor deleted with the same text. room is the most characters a tag may have. tag gets the trimmed tag.
bool RefuseTag(const wchar_t* typed, const TagBrackets& brackets, std::size_t room, TextBuffer& tag, wchar_t* why,
               std::size_t whySize)
{
    std::string bytes;
    if (!ToExactCodePage(typed, bytes)) {
        std::swprintf(why, whySize, L"Shift-JIS で表せない文字が含まれています。");
        return true;
    }
    // A text that does not fit the buffer is far longer than any name.
    const bool fits = bytes.size() < sizeof tag;
    if (fits) {
        std::memcpy(tag, bytes.c_str(), bytes.size() + 1);
        TrimBlanks(tag);
    }
    const char* notInNames = FindNotInNames(tag);
    if (!fits || CharacterCount(tag) > room) {
        std::swprintf(why, whySize, L"長すぎます。ファイル名は括弧を含めて %u 文字までなので、タグは %u 文字までです。",
                      static_cast<unsigned>(kNameCharacterLimit), static_cast<unsigned>(room));
    } else if (notInNames != nullptr && static_cast<unsigned char>(*notInNames) < 0x20) {
        std::swprintf(why, whySize, L"タブや改行などの制御文字が含まれています。");
    } else if (notInNames != nullptr) {
        std::swprintf(why, whySize, L"%lsが含まれています。", kForbiddenText);
    } else {
        // The blanks of the added texts are no brackets: a tag may hold a blank inside.
        const std::string before = NonBlanks(brackets.before);
        const std::string after = NonBlanks(brackets.after);
        for (const char* set : {brackets.opening, brackets.closing, before.c_str(), after.c_str()}) {
            if (FindFirstOfSet(tag, set) == nullptr) continue;
            std::swprintf(why, whySize, L"設定の括弧 (tag1, tag2, addtag1, addtag2) にある文字が含まれています。");
            return true;
        }
        return false;
    }
    return true;
}

// The value of a key of the bracket section, as a message shows it.
std::wstring ShownValue(const char* text)
{
    wchar_t value[kWideTextSize] = {};
    MultiByteToWideChar(kShiftJis, 0, text, -1, value, static_cast<int>(kWideTextSize));
    return value;
}

// Why the texts Add puts around a tag cannot stand in a name, or false when they can: every rename would
// fail, or give a name other than the one shown.
bool RefuseAddBrackets(const TagBrackets& brackets, wchar_t* why, std::size_t whySize)
{
    for (const char* key : {kAddBeforeKey, kAddAfterKey}) {
        const char* text = key == kAddBeforeKey ? brackets.before : brackets.after;
        if (FindNotInNames(text) == nullptr && IsCodePageText(text)) continue;
        std::swprintf(why, whySize,
                      L"設定.ini の %ls の値「%ls」に、%lsか制御文字、または Shift-JIS でない文字が含まれています。",
                      ShownValue(key).c_str(), ShownValue(text).c_str(), kForbiddenText);
        return true;
    }
    if (CharacterCount(brackets.before) + CharacterCount(brackets.after) + 2 > kNameCharacterLimit) {
        std::swprintf(why, whySize, L"設定.ini の addtag1 と addtag2 の値が長すぎて、ファイル名にタグが収まりません。");
        return true;
    }
    return false;
}

}  // namespace

// A refused command renames nothing and leaves the results empty; the user is told why, in one box, once the
// results are cleared. The brackets are read once for the whole command.
bool TakeTag(HWND dialog, bool adds, TextBuffer& tag, TagBrackets& brackets)
{
    wchar_t typed[kWideTextSize] = {};
    GetDlgItemTextW(dialog, IDC_TAG_COMBO, typed, kWideTextSize);
    ReadTagBrackets(brackets);
    constexpr std::size_t kWhySize = kWideTextSize + 256;
    wchar_t whyBrackets[kWhySize] = {};
    wchar_t whyTag[kWhySize] = {};
    bool bracketsRefused = adds && RefuseAddBrackets(brackets, whyBrackets, kWhySize);
    // An added tag shares its name with the texts around it and one character of the old name; a deleted
    // one stands between two brackets.
    const std::size_t around = CharacterCount(brackets.before) + CharacterCount(brackets.after) + 1;
    const std::size_t room = bracketsRefused ? kNameCharacterLimit
                             : !adds         ? kNameCharacterLimit - 2
                                             : kNameCharacterLimit - around;
    const bool tagRefused = RefuseTag(typed, brackets, room, tag, whyTag, kWhySize);
    // Added texts the bracket sets cannot read back would write a tag no later Add sees and no Delete takes.
    if (adds && !bracketsRefused && !tagRefused && tag[0] != '\0' &&
        !TaggedNameReadsBack(brackets.before, tag, brackets.after, brackets.opening, brackets.closing)) {
        bracketsRefused = true;
        std::swprintf(
            whyBrackets, kWhySize,
            L"設定.ini の addtag1「%ls」と addtag2「%ls」で付けたタグは、tag1 と tag2 の括弧では読み取れないため、"
            L"付けたあとで見つけることも削除することもできません。addtag1 には tag1 にある開き括弧を、addtag2 には "
            L"tag2 にある閉じ括弧を 1 文字ずつ設定するか、tag1 と tag2 にその括弧を加えてください。",
            ShownValue(brackets.before).c_str(), ShownValue(brackets.after).c_str());
    }
    const bool refused = tagRefused || (bracketsRefused && tag[0] != '\0');
    if (!refused) return true;
    // Nothing is renamed, and the results are cleared as by any command, before the user reads why.
    RunTagCommand(dialog, adds ? TagCommand::kAdd : TagCommand::kDelete, "", brackets);
    wchar_t message[2 * kWhySize] = {};
    if (tagRefused) {
        std::swprintf(message, 2 * kWhySize, L"タグ「%ls」は使えません。何も変更していません。\n%ls", typed, whyTag);
    } else {
        std::swprintf(message, 2 * kWhySize, L"追加できません。何も変更していません。\n%ls", whyBrackets);
    }
    MessageBoxW(dialog, message, L"Tagrin", MB_ICONWARNING | MB_OK);
    return false;
}
