#include "filelist/left_out_paths.h"

#include <cwchar>
#include <initializer_list>

namespace {

const wchar_t* ReasonText(LeftOutReason reason)
{
    switch (reason) {
    case LeftOutReason::kUnspellable:
        return L"Shift-JIS で表せない文字を含む";
    case LeftOutReason::kEndsInDotOrBlank:
        return L"名前の末尾がピリオドか空白";
    case LeftOutReason::kForbiddenCharacter:
        return L"名前に使えない文字 (\\ / : * ? \" < > | とタブなどの制御文字) を含む";
    case LeftOutReason::kNameTooLong:
        return L"名前が長すぎる";
    case LeftOutReason::kPathTooLong:
        return L"パスが長すぎる";
    case LeftOutReason::kUnreachable:
        return L"完全なパスにできない";
    case LeftOutReason::kMissing:
        return L"見つからない";
    }
    return L"";
}

// The limit a "too long" reason names, from the one constant of each.
const wchar_t* LimitText(LeftOutReason reason)
{
    static wchar_t limit[32];
    const bool name = reason == LeftOutReason::kNameTooLong;
    if (!name && reason != LeftOutReason::kPathTooLong) return L"";
    std::swprintf(limit, 32, L" (%u 文字まで)",
                  static_cast<unsigned>(name ? kNameCharacterLimit : kPathCharacterLimit));
    return limit;
}

// Appends text at *length when it fits whole; the message is cut at a whole line, never inside a path.
void Append(wchar_t* out, std::size_t outSize, std::size_t* length, const wchar_t* text)
{
    const std::size_t add = std::wcslen(text);
    if (*length + add >= outSize) return;
    std::wmemcpy(out + *length, text, add + 1);
    *length += add;
}

}  // namespace

LeftOutReason ReasonOfFault(NameFault fault)
{
    switch (fault) {
    case NameFault::kEndsInDotOrBlank:
        return LeftOutReason::kEndsInDotOrBlank;
    case NameFault::kNameTooLong:
        return LeftOutReason::kNameTooLong;
    case NameFault::kPathTooLong:
        return LeftOutReason::kPathTooLong;
    default:
        return LeftOutReason::kForbiddenCharacter;
    }
}

void NoteLeftOut(LeftOutPaths* leftOut, const wchar_t* folder, const wchar_t* path, LeftOutReason reason)
{
    const int slot = leftOut->count++;
    if (slot >= kLeftOutShown) return;
    leftOut->reasons[slot] = reason;
    wchar_t* kept = leftOut->paths[slot];
    std::size_t at = 0;
    const std::size_t room = kWideTextSize - 2;  // an ellipsis and the NUL
    for (const wchar_t* part : {folder, folder != nullptr ? L"\\" : nullptr, path}) {
        for (const wchar_t* p = part; p != nullptr && *p != L'\0'; ++p) {
            if (at == room) {
                kept[at++] = L'…';
                kept[at] = L'\0';
                return;
            }
            kept[at++] = *p;
        }
    }
    kept[at] = L'\0';
}

void FormatLeftOutMessage(const LeftOutPaths& leftOut, wchar_t* out, std::size_t outSize)
{
    std::size_t length = 0;
    out[0] = L'\0';
    if (leftOut.count == 0) return;
    wchar_t line[64];
    std::swprintf(line, 64, L"次の %d 件はリストに追加していません。\n\n", leftOut.count);
    Append(out, outSize, &length, line);
    const int shown = leftOut.count < kLeftOutShown ? leftOut.count : kLeftOutShown;
    for (int i = 0; i < shown; ++i) {
        Append(out, outSize, &length, leftOut.paths[i]);
        Append(out, outSize, &length, L"\n　（");
        Append(out, outSize, &length, ReasonText(leftOut.reasons[i]));
        Append(out, outSize, &length, LimitText(leftOut.reasons[i]));
        Append(out, outSize, &length, L"）\n");
    }
    if (leftOut.count > shown) {
        std::swprintf(line, 64, L"ほか %d 件", leftOut.count - shown);
        Append(out, outSize, &length, line);
    }
}

void TellLeftOutPaths(HWND dialog, const LeftOutPaths& leftOut)
{
    if (leftOut.count == 0) return;
    static wchar_t message[kLeftOutShown * (kWideTextSize + 64) + 128];
    FormatLeftOutMessage(leftOut, message, sizeof message / sizeof message[0]);
    MessageBoxW(dialog, message, L"Tagrin", MB_ICONWARNING | MB_OK);
}
